// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The Win32 game timed from inside its process, as torvane.exe starts it
// (scripts/bench.sh runs it under wine): from the entry point to the end of
// the main window's first paint (every child painted), then SPIN pressed
// through the button's own click (BM_CLICK) to the end of the repaint it
// causes, the same for SPIN's handler called alone, and the peak working
// set. Prints "name value unit" lines.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "windows/WindowsServices.h"
#include "windows/frmdiduvor.h"

namespace {

double elapsedMs(LARGE_INTEGER since) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - since.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

// Whether any window of this thread is waiting to be painted.
bool paintPending() {
    return (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0;
}

// Handles messages as the game's loop does (its Tab chain included) for as
// long as a window waits to be painted.
void paintAll(torvane::win::frmdiduvor& window) {
    MSG msg;
    while (paintPending() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (!window.preTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace

// A console program, so that it prints where it was started; the window
// is the game's, shown as a double-clicked program shows it.
int wmain() {
    const int showCommand = SW_SHOWNORMAL;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    torvane::win::WindowsServices services;
    torvane::win::frmdiduvor window(services);
    window.start(showCommand);

    // The first paint ends when no window of the game is left to paint:
    // start() paints the main window itself (UpdateWindow), its controls
    // paint from the queue.
    paintAll(window);
    const double firstPaint = elapsedMs(start);

    // SPIN pressed through the button (its own pressed and released look
    // drawn too), and its handler alone with the repaint it causes.
    HWND spin = window.children().window("cmdspin");
    const auto timed = [&](const auto& press) {
        std::vector<double> times;
        for (int i = 0; i < 500; ++i) {
            LARGE_INTEGER before;
            QueryPerformanceCounter(&before);
            press();
            paintAll(window);
            times.push_back(elapsedMs(before));
        }
        std::sort(times.begin(), times.end());
        return times;
    };
    const std::vector<double> clicks = timed([&] { SendMessageW(spin, BM_CLICK, 0, 0); });
    const std::vector<double> handler = timed([&] { window.handlers().cmdspin_Click(); });

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));

    std::printf("first_paint %.2f ms\n", firstPaint);
    std::printf("spin_click_median %.3f ms\n", clicks[clicks.size() / 2]);
    std::printf("spin_click_p95 %.3f ms\n", clicks[clicks.size() * 95 / 100]);
    std::printf("spin_handler_median %.3f ms\n", handler[handler.size() / 2]);
    std::printf("peak_working_set %.1f MiB\n",
                static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    std::fflush(stdout);
    return 0;
}
