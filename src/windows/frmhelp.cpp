// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/frmhelp.h"

#include "design/HelpWindow.h"
#include "windows/Modal.h"
#include "windows/Text.h"
#include "windows/WindowClass.h"

namespace torvane::win {
namespace {

constexpr const wchar_t* kClassName = L"TorvaneHelp";
constexpr int kPanelId = 100;

}  // namespace

frmhelp::~frmhelp() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void frmhelp::show(HWND owner) {
    const design::HelpWindowDesign& d = design::helpWindow();
    registerWindowClass(kClassName, &windowProcedure<frmhelp>, gdi_.brush(*d.window.back));
    closing_ = false;
    window_ = CreateWindowExW(0, kClassName, wide(d.window.caption).c_str(), WS_POPUP, 0, 0, 0, 0,
                              owner, nullptr, GetModuleHandleW(nullptr), this);
    children_ = std::make_unique<ChildWindows>(window_, gdi_);
    children_->create(d.lblhelp, kPanelId);
    Form_Load();
    runModal(
        owner, window_, [this] { return closing_; },
        [this](const MSG& msg) {
            if (msg.message != WM_KEYDOWN || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) {
                return false;
            }
            if (keyboardMode_ && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) {
                lblhelp_Click();
            }
            return true;  // no other key does anything
        });
    DestroyWindow(window_);
    window_ = nullptr;
    children_.reset();
}

void frmhelp::unload() {
    if (window_ != nullptr) closing_ = true;
}

// Places the window, scaled to its DPI, and writes the rules.
void frmhelp::Form_Load() {
    const design::HelpWindowDesign& d = design::helpWindow();
    const int dpi = dpiOf(window_);
    const RECT r = pixelRect(d.window.rect, dpi);
    SetWindowPos(window_, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE);
    children_->place(dpi);
    setWindowText(children_->window(d.lblhelp.name), design::helpText());
}

void frmhelp::lblhelp_Click() {
    unload();
}

LRESULT frmhelp::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kPanelId &&
                (HIWORD(wParam) == STN_CLICKED || HIWORD(wParam) == STN_DBLCLK)) {
                lblhelp_Click();
            }
            return 0;
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
