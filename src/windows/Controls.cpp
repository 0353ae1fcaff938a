// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/Controls.h"

#include <cstring>

#include "windows/BetBox.h"
#include "windows/Resources.h"
#include "windows/Text.h"
#include "windows/WindowClass.h"

namespace torvane::win {
namespace {

namespace d = torvane::design;

// The picture buttons' pictures are drawn 32 pixels wide at 96 DPI.
constexpr int kPictureSize = 32;

DWORD labelStyle(const d::Control& c) {
    DWORD style = SS_NOPREFIX;
    switch (c.align) {
        case d::Align::Centre:
            // One line, centred both ways.
            style |= SS_CENTER | SS_CENTERIMAGE;
            break;
        case d::Align::Right:
            style |= SS_RIGHT;
            break;
        case d::Align::Left:
            style |= c.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
            break;
    }
    if (c.border) style |= WS_BORDER;
    if (c.event == d::Event::MouseUp || c.event == d::Event::Click) style |= SS_NOTIFY;
    return style;
}

int pictureResource(const d::Control& c) {
    if (c.picture == nullptr) return 0;
    if (std::strcmp(c.picture, "arrow-up.svg") == 0) return TORVANE_IDI_ARROW_UP;
    if (std::strcmp(c.picture, "arrow-down.svg") == 0) return TORVANE_IDI_ARROW_DOWN;
    if (std::strcmp(c.picture, "racing-car.svg") == 0) return TORVANE_IDI_CAR;
    return 0;
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classAndStyle(const d::Control& c) {
    const DWORD tab = d::takesFocus(c) ? WS_TABSTOP : 0;
    switch (c.kind) {
        case d::Kind::Label:
            return {L"STATIC", labelStyle(c), 0};
        case d::Kind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | ES_LEFT | tab, WS_EX_CLIENTEDGE};
        case d::Kind::Button:
            return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | tab, 0};
        case d::Kind::PictureButton:
            return {L"BUTTON", BS_PUSHBUTTON | BS_ICON | tab, 0};
        case d::Kind::ListBox:
            return {L"LISTBOX", LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | tab,
                    0};
        case d::Kind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case d::Kind::Image:
            return {L"STATIC", SS_ICON | SS_REALSIZECONTROL, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, HICON icon,
                         HICON smallIcon) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc) != FALSE) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HICON loadIcon(int resource, int pixelSize) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                         IMAGE_ICON, pixelSize, pixelSize, 0));
}

HWND ChildWindows::create(const d::Control& c, int id) {
    const ClassAndStyle cs = classAndStyle(c);
    HWND child = CreateWindowExW(cs.exStyle, cs.className, wide(c.text).c_str(),
                                 WS_CHILD | WS_VISIBLE | cs.style, 0, 0, 0, 0, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (c.kind == d::Kind::TextBox) {
        // 0: as long as Windows lets an edit be; typing is limited only where
        // the design limits it.
        SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(c.maxLength), 0);
    }
    if (c.event == d::Event::MouseUp) makeBetBox(child);
    children_.push_back({&c, child, c.fore, c.back});
    return child;
}

void ChildWindows::place(int dpi) {
    dpi_ = dpi;
    for (const Child& child : children_) {
        const d::Control& c = *child.design;
        SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.font(c.font, dpi)),
                     FALSE);
        const RECT r = pixelRect(c.rect, dpi);
        SetWindowPos(child.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (const int resource = pictureResource(c)) {
            const bool image = c.kind == d::Kind::Image;
            const int size = image ? 256 : MulDiv(kPictureSize, dpi, USER_DEFAULT_SCREEN_DPI);
            HICON icon = loadIcon(resource, size);
            const auto old = SendMessageW(child.window, image ? STM_SETICON : BM_SETIMAGE,
                                          image ? reinterpret_cast<WPARAM>(icon) : IMAGE_ICON,
                                          image ? 0 : reinterpret_cast<LPARAM>(icon));
            if (old != 0) DestroyIcon(reinterpret_cast<HICON>(old));
        }
        fit(child);
    }
}

void ChildWindows::fit(const Child& child) const {
    const d::Control& c = *child.design;
    if (!c.autoSize) return;
    const std::wstring text = wide(windowText(child.window));
    const RECT designed = pixelRect(c.rect, dpi_);
    SIZE size{designed.right - designed.left, designed.bottom - designed.top};
    if (!text.empty()) size = textSize(gdi_.font(c.font, dpi_), text);
    const int left = c.align == d::Align::Right ? designed.right - size.cx : designed.left;
    SetWindowPos(child.window, nullptr, left, designed.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(child.window, nullptr, TRUE);
}

const Child* ChildWindows::find(HWND window) const {
    for (const Child& child : children_) {
        if (child.window == window) return &child;
    }
    return nullptr;
}

const Child* ChildWindows::find(const std::string& name) const {
    for (const Child& child : children_) {
        if (name == child.design->name) return &child;
    }
    return nullptr;
}

Child* ChildWindows::find(const std::string& name) {
    for (Child& child : children_) {
        if (name == child.design->name) return &child;
    }
    return nullptr;
}

HWND ChildWindows::window(const std::string& name) const {
    const Child* child = find(name);
    return child != nullptr ? child->window : nullptr;
}

bool ChildWindows::setText(HWND window, const std::string& text) {
    // A text set again unchanged (the stakes' "0" after each spin) would
    // only repaint the control.
    if (windowText(window) == text) return false;
    setWindowText(window, text);
    if (const Child* child = find(window)) fit(*child);
    return true;
}

bool ChildWindows::setBack(const std::string& name, Rgb colour) {
    Child* child = find(name);
    if (child == nullptr || child->back == colour) return false;
    child->back = colour;
    InvalidateRect(child->window, nullptr, TRUE);
    return true;
}

HBRUSH ChildWindows::colour(HWND window, HDC dc) const {
    const Child* child = find(window);
    if (child == nullptr) return nullptr;
    if (child->fore) SetTextColor(dc, colourRef(*child->fore));
    if (child->back) {
        SetBkColor(dc, colourRef(*child->back));
        return gdi_.brush(*child->back);
    }
    if (child->design->kind != d::Kind::Label) return nullptr;
    // A label draws its background, the window's face unless designed.
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT colourReply(const ChildWindows* children, WPARAM wParam, LPARAM lParam) {
    if (children == nullptr) return 0;
    return reinterpret_cast<LRESULT>(
        children->colour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
}

}  // namespace torvane::win
