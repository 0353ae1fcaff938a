// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The floor for the Windows game's start-up: a bare Win32 window with one
// label, timed as bench/WindowsBench.cpp times the game, from the entry
// point to the end of its first paint, then one change of the label's text
// with its repaint, and the peak working set.
#include <windows.h>

#include <psapi.h>

#include <cstdio>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain() {
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&start);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = L"TorvaneFloor";
    RegisterClassExW(&cls);
    HWND window = CreateWindowExW(0, L"TorvaneFloor", L"Floor", WS_OVERLAPPEDWINDOW, 0, 0, 370, 468,
                                  nullptr, nullptr, cls.hInstance, nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"One label", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20,
                                 window, nullptr, cls.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while ((HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0 &&
           PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const double firstPaint = static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
                              static_cast<double>(frequency.QuadPart);

    // One label's text changed and repainted, the least a press can show.
    constexpr int kChanges = 500;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kChanges; ++i) {
        SetWindowTextW(label, i % 2 == 0 ? L"R75" : L"R0");
        UpdateWindow(label);
    }
    QueryPerformanceCounter(&now);
    const double change = static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
                          static_cast<double>(frequency.QuadPart) / kChanges;

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("floor_first_paint %.2f ms\n", firstPaint);
    std::printf("floor_label_change %.3f ms\n", change);
    std::printf("floor_peak_working_set %.1f MiB\n",
                static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    DestroyWindow(window);
    return 0;
}
