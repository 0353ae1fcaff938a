// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/frmabout.h"

#include "design/AboutWindow.h"
#include "windows/Modal.h"
#include "windows/Text.h"
#include "windows/WindowClass.h"

namespace torvane::win {
namespace {

constexpr const wchar_t* kClassName = L"TorvaneAbout";
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// No control has the id 1 or 2, which Enter and Escape send.
constexpr int kFirstId = 100;

// The frame's controls stand relative to the frame; as children of the
// window they are moved by the frame's offset.
design::Control onWindow(const design::Control& c) {
    design::Control moved = c;
    moved.rect.left += design::aboutWindow().frame.rect.left;
    moved.rect.top += design::aboutWindow().frame.rect.top;
    return moved;
}

}  // namespace

frmabout::~frmabout() {
    destroy();
}

void frmabout::load(HWND owner) {
    if (window_ != nullptr) return;
    const design::AboutWindowDesign& d = design::aboutWindow();
    registerWindowClass(kClassName, &windowProcedure<frmabout>, GetSysColorBrush(COLOR_BTNFACE));
    window_ = CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, owner, nullptr,
                              GetModuleHandleW(nullptr), this);
    children_ = std::make_unique<ChildWindows>(window_, gdi_);
    static const std::vector<design::Control> placed = [] {
        std::vector<design::Control> all{design::aboutWindow().frame};
        for (const design::Control& c : design::aboutWindow().controls) all.push_back(onWindow(c));
        return all;
    }();
    int id = kFirstId;
    for (const design::Control& c : placed) children_->create(c, id++);
    // The outer size that gives the designed client area at the window's DPI.
    const int dpi = dpiOf(window_);
    RECT r = pixelRect(d.window.rect, dpi);
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    const int left = pixels(d.window.rect.left, dpi);
    const int top = pixels(d.window.rect.top, dpi);
    SetWindowPos(window_, nullptr, left, top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    children_->place(dpi);
    Form_Load();
}

void frmabout::show(HWND owner) {
    load(owner);
    showing_ = true;
    closing_ = false;
    SetFocus(children_->window("cmdok"));
    runModal(
        owner, window_, [this] { return closing_; },
        [this](const MSG& msg) {
            // Every key that types a character reaches the window whichever
            // control has the focus; arrows, function keys and Alt with a
            // letter type none.
            if (msg.message == WM_CHAR && (msg.hwnd == window_ || IsChild(window_, msg.hwnd))) {
                Form_KeyPress(static_cast<wchar_t>(msg.wParam));
                return true;
            }
            return false;
        });
    showing_ = false;
    destroy();
}

void frmabout::unload() {
    if (window_ == nullptr) return;
    if (showing_) {
        closing_ = true;
    } else {
        destroy();
    }
}

void frmabout::destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
    children_.reset();
}

void frmabout::Form_Load() {
    ++loads_;
    children_->setText(children_->window("lblVersion"), design::versionCaption());
    children_->setText(children_->window("lblProductName"), design::productNameCaption());
}

void frmabout::cmdok_Click() {
    unload();
}

void frmabout::Form_KeyPress(wchar_t /*key*/) {
    unload();
}

LRESULT frmabout::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const Child* child =
                children_ ? children_->find(reinterpret_cast<HWND>(lParam)) : nullptr;
            if (child != nullptr && HIWORD(wParam) == BN_CLICKED &&
                child->design->event == design::Event::Click) {
                cmdok_Click();
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            if (const LRESULT brush = colourReply(children_.get(), wParam, lParam)) return brush;
            break;
        case WM_CLOSE:
            unload();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace torvane::win
