// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/BetBox.h"

#include <commctrl.h>
#include <windowsx.h>

#include "design/MainWindowHandlers.h"
#include "windows/Graphics.h"

namespace torvane::win {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The MouseUp code of the button a message is about: 1 left, 2 right,
// 4 middle; 0 for other messages.
int buttonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            return 4;
        default:
            return 0;
    }
}

bool isPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK;
}

bool isRelease(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

// Shift 1 and Ctrl 2 as the message carries them; Alt 4 as the keyboard
// is now, since mouse messages do not carry it.
int shiftOf(WPARAM keys) {
    int shift = 0;
    if ((keys & MK_SHIFT) != 0) shift |= 1;
    if ((keys & MK_CONTROL) != 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

LRESULT CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                              DWORD_PTR pressedButtons) {
    auto& pressed = *reinterpret_cast<int*>(pressedButtons);
    const int button = buttonOf(message);
    if (button != 0 && isPress(message)) {
        pressed |= button;
        SetCapture(box);
        return 0;
    }
    if (button != 0 && isRelease(message)) {
        if ((pressed & button) == 0) return 0;  // pressed elsewhere
        pressed &= ~button;
        if (pressed == 0) ReleaseCapture();
        const int dpi = dpiOf(box);
        const design::MouseUp up{button, shiftOf(wParam), twipsOf(GET_X_LPARAM(lParam), dpi),
                                 twipsOf(GET_Y_LPARAM(lParam), dpi)};
        SendMessageW(GetParent(box), kBetBoxMouseUp, static_cast<WPARAM>(GetDlgCtrlID(box)),
                     reinterpret_cast<LPARAM>(&up));
        return 0;
    }
    switch (message) {
        case WM_CAPTURECHANGED:
            // A message box or another window took the mouse: the buttons
            // still down will not be released on the box.
            if (reinterpret_cast<HWND>(lParam) != box) pressed = 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &boxProcedure, kSubclassId);
            delete &pressed;
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void makeBetBox(HWND box) {
    SetWindowSubclass(box, &boxProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(new int(0)));
}

}  // namespace torvane::win
