// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "WindowDriver.h"

#include <chrono>
#include <mutex>
#include <vector>

#include "windows/Text.h"

namespace torvane::win::testing {
namespace {

void send(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}

void moveTo(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, width - 1);
    input.mi.dy = MulDiv(screen.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(input);
}

void button(int code, bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    switch (code) {
        case 2:
            input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
            break;
        case 4:
            input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
            break;
        default:
            input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
            break;
    }
    send(input);
}

void key(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    send(input);
}

// The visible top-level window of this process that is modal now: a
// message box, the help or the About window.
HWND openModal(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s.process || IsWindowVisible(window) == FALSE) return TRUE;
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            const std::wstring cls = name;
            if (cls == L"#32770" || cls == L"TorvaneHelp" || cls == L"TorvaneAbout") {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenModal look(HWND window, HWND bankBox) {
    SeenModal seen;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    seen.className = utf8(name);
    seen.title = windowText(window);
    if (HWND prompt = GetDlgItem(window, 0xFFFF)) seen.prompt = windowText(prompt);
    // The critical icon is a static showing an icon (SS_ICON) in the box.
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            GetDlgCtrlID(child) != 0xFFFF && IsWindowVisible(child) != FALSE) {
            seen.criticalIcon = true;
        }
    }
    GetWindowRect(window, &seen.rect);
    if (bankBox != nullptr) seen.bankText = windowText(bankBox);
    return seen;
}

HWND dialogWindow = nullptr;

}  // namespace

void setDialogWindow(HWND window) {
    dialogWindow = window;
}

void pump() {
    // Timers do not count as activity: a Common Controls 6 button tracks
    // the pointer over it with a timer that fires every few milliseconds
    // for as long as the pointer rests there.
    constexpr UINT kSystemTimer = 0x0118;  // WM_SYSTIMER: caret and mouse tracking
    for (int idle = 0; idle < 3; ++idle) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (msg.message != WM_TIMER && msg.message != kSystemTimer) any = true;
            if (dialogWindow != nullptr && IsDialogMessageW(dialogWindow, &msg) != FALSE) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (any) idle = 0;
        Sleep(10);
    }
}

void click(HWND control, int code, int times) {
    RECT r;
    GetWindowRect(control, &r);
    moveTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    for (int i = 0; i < times; ++i) {
        button(code, true);
        button(code, false);
    }
    pump();
}

void pressKey(WORD vk, bool shift) {
    if (shift) key(VK_SHIFT, true);
    key(vk, true);
    key(vk, false);
    if (shift) key(VK_SHIFT, false);
    pump();
}

void typeText(const std::wstring& text) {
    for (const wchar_t c : text) {
        INPUT input[2]{};
        for (INPUT& i : input) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = c;
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
    pump();
}

std::string listItem(HWND list, int index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return utf8(text);
}

COLORREF pixelAt(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    RECT r;
    GetClientRect(control, &r);
    HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, r.right / 2, r.bottom - 3);
    ReleaseDC(control, dc);
    return colour;
}

std::vector<SeenModal> whileModal(const std::function<void()>& trigger,
                                  const std::function<void(HWND, const SeenModal&)>& answer,
                                  HWND bankBox) {
    std::vector<SeenModal> seen;
    std::mutex lock;
    std::atomic<bool> done{false};
    const DWORD process = GetCurrentProcessId();
    std::thread watcher([&] {
        HWND last = nullptr;
        auto since = std::chrono::steady_clock::now();
        while (!done) {
            HWND modal = openModal(process);
            if (modal != nullptr && modal != last) {
                Sleep(50);  // let it draw and take the focus
                const SeenModal what = look(modal, bankBox);
                {
                    const std::lock_guard<std::mutex> hold(lock);
                    seen.push_back(what);
                }
                last = modal;
                since = std::chrono::steady_clock::now();
                answer(modal, what);
            } else if (modal == nullptr) {
                last = nullptr;
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(10)) {
                // Left open: close it the hard way so the test can report it.
                PostMessageW(modal, WM_CLOSE, 0, 0);
                SendMessageW(modal, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
    });
    trigger();
    pump();
    done = true;
    watcher.join();
    return seen;
}

void closeLikeAPlayer(HWND window, const SeenModal& seen) {
    if (seen.className == "#32770") {
        click(GetDlgItem(window, IDOK));
    } else if (seen.className == "TorvaneHelp") {
        click(GetWindow(window, GW_CHILD));
    } else {
        click(FindWindowExW(window, nullptr, L"BUTTON", L"OK"));
    }
}

}  // namespace torvane::win::testing
