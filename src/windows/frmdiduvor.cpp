// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/frmdiduvor.h"

#include <commctrl.h>

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "windows/Accessible.h"
#include "windows/BetBox.h"
#include "windows/Modal.h"
#include "windows/ReadableControls.h"
#include "windows/Resources.h"
#include "windows/Text.h"
#include "windows/WindowClass.h"

namespace torvane::win {
namespace {

namespace d = torvane::design;

constexpr const wchar_t* kClassName = L"Torvane";
// Sizable, with title bar, system menu, minimise and maximise.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Control ids: 100 + the control's place in the design; menu items from
// 1000. No control has the id 1 or 2, which Enter and Escape send.
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;

int controlId(const d::Control& c) {
    return kFirstControlId + static_cast<int>(&c - d::mainWindow().controls.data());
}

const d::Control* controlOf(int id) {
    const auto& controls = d::mainWindow().controls;
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls.size())) return nullptr;
    return &controls.at(static_cast<std::size_t>(index));
}

const d::MenuItem* menuItemOf(int id) {
    for (const d::Menu& menu : d::mainWindow().menus) {
        for (const d::MenuItem& item : menu.items) {
            if (frmdiduvor::menuId(item) == id) return &item;
        }
    }
    return nullptr;
}

}  // namespace

int frmdiduvor::menuId(const d::MenuItem& item) {
    int id = kFirstMenuId;
    for (const d::Menu& menu : d::mainWindow().menus) {
        for (const d::MenuItem& each : menu.items) {
            if (&each == &item) return id;
            ++id;
        }
    }
    return 0;
}

frmdiduvor::frmdiduvor(WindowsServices& services)
    : services_(services),
      table_(view_, services),
      bigIcon_(loadIcon(TORVANE_IDI_APP, GetSystemMetrics(SM_CXICON))),
      smallIcon_(loadIcon(TORVANE_IDI_APP, GetSystemMetrics(SM_CXSMICON))) {
    // The manifest asks for Common Controls 6, whose BUTTON, EDIT, LISTBOX
    // and STATIC classes are registered here, before the first control.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerWindowClass(kClassName, &windowProcedure<frmdiduvor>, GetSysColorBrush(COLOR_BTNFACE),
                        bigIcon_, smallIcon_);
    const d::Window& w = d::mainWindow().window;
    window_ = CreateWindowExW(0, kClassName, wide(w.caption).c_str(), kStyle, 0, 0, 0, 0, nullptr,
                              createMenus(), GetModuleHandleW(nullptr), this);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    services_.setMainWindow(window_);
    createControls();
    makeReadable(*children_, *chart_);
    view_.attach(window_, *children_, *chart_);
    place(dpiOf(window_));
}

frmdiduvor::~frmdiduvor() {
    if (window_ != nullptr && IsWindow(window_) != FALSE) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

// Created in the designed tab order, which Windows' own Tab chain follows.
void frmdiduvor::createControls() {
    children_ = std::make_unique<ChildWindows>(window_, services_.gdi());
    for (const d::Control* c : d::tabOrder()) {
        if (std::string(c->name) == d::mainWindow().chartFrame) {
            chart_ = std::make_unique<ChartFrame>(window_, controlId(*c), services_.gdi());
        } else {
            children_->create(*c, controlId(*c));
        }
    }
}

// The menu bar from the design, with the access letters and the separator,
// and no accelerator keys.
HMENU frmdiduvor::createMenus() const {
    HMENU bar = CreateMenu();
    for (const d::Menu& menu : d::mainWindow().menus) {
        HMENU popup = CreatePopupMenu();
        for (const d::MenuItem& item : menu.items) {
            if (item.separator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(menuId(item)),
                            wide(item.caption).c_str());
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), wide(menu.title).c_str());
    }
    return bar;
}

// The designed client area at its designed place, scaled to `dpi`; the
// controls do not move when the window is resized later.
void frmdiduvor::place(int dpi) {
    const d::Window& w = d::mainWindow().window;
    children_->place(dpi);
    chart_->place(dpi);
    const int width = pixels(w.rect.width, dpi);
    const int height = pixels(w.rect.height, dpi);
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    SetWindowPos(window_, nullptr, pixels(w.rect.left, dpi), pixels(w.rect.top, dpi),
                 outer.right - outer.left, outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar on two lines takes more than one line's height: make it up.
    RECT client;
    GetClientRect(window_, &client);
    if (client.bottom != height || client.right != width) {
        RECT now;
        GetWindowRect(window_, &now);
        SetWindowPos(window_, nullptr, 0, 0, now.right - now.left + width - client.right,
                     now.bottom - now.top + height - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

// A screen reader hears the number drawn and the winnings once, whatever
// the many changes of the spin told it on the way.
void frmdiduvor::afterSpin() {
    if (const auto drawn = view_.takeDrawnNumber()) {
        announce(window_, d::spinAnnouncement(*drawn, windowText(children_->window("lblwin"))));
    }
}

void frmdiduvor::setKeyboardMode(bool on) {
    keyboardMode_ = on;
    if (on) {
        for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
            letBetBoxTakeKeys(children_->window(d::betBox(box).name));
        }
    }
    services_.setKeyboardMode(on);
}

void frmdiduvor::start(int showCommand) {
    handlers_.Form_Load();  // before the window is first shown
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(children_->window(d::mainWindow().firstFocus));
}

bool frmdiduvor::preTranslate(MSG& msg) {
    return window_ != nullptr && IsDialogMessageW(window_, &msg) != FALSE;
}

// The handler the design names for a control's or a menu item's event.
void frmdiduvor::fireFor(int id) {
    if (const d::MenuItem* item = menuItemOf(id)) {
        handlers_.fire(d::handlerName(*item));
    } else if (const d::Control* c = controlOf(id); c != nullptr && c->event == d::Event::Click) {
        handlers_.fire(d::handlerName(*c));
    }
}

void frmdiduvor::showHelpWindow() {
    services_.showHelpWindow();
}
void frmdiduvor::showAboutWindow() {
    services_.showAboutWindow();
}
void frmdiduvor::openAddress(const char* address) {
    services_.openAddress(address);
}

// Unloading raises the window's Unload: the others go first, then this one.
void frmdiduvor::unloadMainWindow() {
    if (unloaded_) return;
    unloaded_ = true;
    handlers_.Form_Unload();
    DestroyWindow(window_);
}
void frmdiduvor::unloadOtherWindows() {
    services_.unloadWindows();
}

// A log-off ends the game as File > Exit does. While a handler is waiting
// in a message box, help or About, no window is destroyed under its own
// loop and nothing returns into the handler: the process just ends.
void frmdiduvor::endSession() {
    if (modalDepth() == 0) unloadMainWindow();
    ExitProcess(0);
}

LRESULT frmdiduvor::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // IDOK and IDCANCEL, which Enter and Escape send, press nothing.
            if (HIWORD(wParam) == BN_CLICKED || (lParam == 0 && HIWORD(wParam) == 0)) {
                fireFor(LOWORD(wParam));
            }
            return 0;
        case kBetBoxMouseUp:
            if (const d::Control* c = controlOf(static_cast<int>(wParam))) {
                handlers_.fire(d::handlerName(*c), *reinterpret_cast<const d::MouseUp*>(lParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
            if (const LRESULT brush = colourReply(children_.get(), wParam, lParam)) return brush;
            break;
        case WM_ACTIVATE:
            // The focus goes back where it was, after a message box too.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus) != FALSE) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            place(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_CLOSE:
            unloadMainWindow();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) endSession();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace torvane::win
