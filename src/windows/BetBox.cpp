// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/BetBox.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "design/KeyboardMode.h"
#include "design/Layout.h"
#include "design/MainWindowHandlers.h"
#include "windows/Graphics.h"

namespace torvane::win {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// Asks a box for keyboard mode (see letBetBoxTakeKeys).
constexpr UINT kTakeKeys = kBetBoxMouseUp + 1;

// What a box keeps between messages.
struct BoxState {
    int pressed = 0;    // the mouse buttons pressed on it and still down
    bool keys = false;  // keyboard mode
};

// Reports a release of `button` on the box to its parent.
void report(HWND box, const design::MouseUp& up) {
    SendMessageW(GetParent(box), kBetBoxMouseUp, static_cast<WPARAM>(GetDlgCtrlID(box)),
                 reinterpret_cast<LPARAM>(&up));
}

// The keyboard-mode key a key-down or character message is, if any:
// Space, Enter, Delete and Backspace as keys, + and - as the characters
// they type (on the main keys or the keypad, whatever the layout).
std::optional<design::BetBoxKey> keyOf(UINT message, WPARAM code) {
    if (message == WM_KEYDOWN) {
        switch (code) {
            case VK_SPACE:
                return design::BetBoxKey::Space;
            case VK_RETURN:
                return design::BetBoxKey::Enter;
            case VK_DELETE:
                return design::BetBoxKey::Delete;
            case VK_BACK:
                return design::BetBoxKey::Backspace;
            default:
                return std::nullopt;
        }
    }
    if (message == WM_CHAR && code == L'+') return design::BetBoxKey::Plus;
    if (message == WM_CHAR && code == L'-') return design::BetBoxKey::Minus;
    return std::nullopt;
}

// The focus frame: two pixels (at 96 DPI) of yellow over the box's edge.
void drawFocusFrame(HWND box) {
    if (GetFocus() != box) return;
    RECT r;
    GetWindowRect(box, &r);
    OffsetRect(&r, -r.left, -r.top);
    HDC dc = GetWindowDC(box);
    HBRUSH yellow = CreateSolidBrush(colourRef(design::kFocusYellow));
    const int width = std::max(1, MulDiv(2, dpiOf(box), USER_DEFAULT_SCREEN_DPI));
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &r, yellow);
        InflateRect(&r, -1, -1);
    }
    DeleteObject(yellow);
    ReleaseDC(box, dc);
}

// Keyboard mode's messages; returns whether it handled the message.
bool handleKeys(HWND box, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Characters always; Enter, Space, Delete and Backspace, which
            // the dialog manager would otherwise take (Enter presses IDOK).
            result = DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTCHARS;
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg != nullptr && keyOf(msg->message, msg->wParam)) result |= DLGC_WANTMESSAGE;
            return true;
        }
        case WM_KEYDOWN:
        case WM_CHAR: {
            const std::optional<design::BetBoxKey> key = keyOf(message, wParam);
            if (!key) return message == WM_CHAR;  // other characters type nothing
            const design::KeyRelease release = design::releaseFor(*key);
            const bool held = (lParam & (1 << 30)) != 0;  // a repeat of a key held down
            if (!held || release.repeats) report(box, {release.button, 0, 0, 0});
            result = 0;
            return true;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
            return false;
        default:
            return false;
    }
}

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
                              DWORD_PTR data) {
    auto& state = *reinterpret_cast<BoxState*>(data);
    int& pressed = state.pressed;
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
        report(box, {button, shiftOf(wParam), twipsOf(GET_X_LPARAM(lParam), dpi),
                     twipsOf(GET_Y_LPARAM(lParam), dpi)});
        return 0;
    }
    if (message == kTakeKeys) {
        state.keys = true;
        return 0;
    }
    if (state.keys) {
        LRESULT result = 0;
        if (handleKeys(box, message, wParam, lParam, result)) return result;
        if (message == WM_PAINT || message == WM_NCPAINT) {
            result = DefSubclassProc(box, message, wParam, lParam);
            drawFocusFrame(box);
            return result;
        }
    }
    switch (message) {
        case WM_CAPTURECHANGED:
            // A message box or another window took the mouse: the buttons
            // still down will not be released on the box.
            if (reinterpret_cast<HWND>(lParam) != box) pressed = 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &boxProcedure, kSubclassId);
            delete &state;
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void makeBetBox(HWND box) {
    SetWindowSubclass(box, &boxProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(new BoxState));
}

void letBetBoxTakeKeys(HWND box) {
    SendMessageW(box, kTakeKeys, 0, 0);
    SetWindowLongPtrW(box, GWL_STYLE, GetWindowLongPtrW(box, GWL_STYLE) | WS_TABSTOP);
}

}  // namespace torvane::win
