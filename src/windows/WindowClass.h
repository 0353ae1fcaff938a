// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

// The game's own top-level windows: a class registered once, and a window
// procedure that passes each message to the C++ object the window was
// created for (its last CreateWindowEx argument).
namespace torvane::win {

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background,
                         HICON icon = nullptr, HICON smallIcon = nullptr);

// T::handle(HWND, UINT, WPARAM, LPARAM) answers the window's messages.
template <class T>
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self->handle(window, message, wParam, lParam);
}

}  // namespace torvane::win
