// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/ChartFrame.h"

#include <algorithm>
#include <cmath>

#include "design/MainWindow.h"
#include "windows/Text.h"

namespace torvane::win {
namespace {

constexpr const wchar_t* kClassName = L"TorvaneChartFrame";

const design::Control& frameDesign() {
    return design::control(design::mainWindow().chartFrame);
}

void registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;  // replaced per window with its own
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

ChartFrame::ChartFrame(HWND parent, int id, GdiCache& gdi) : gdi_(gdi) {
    registerClass();
    for (const Bar bar : {Bar::Zero, Bar::Left, Bar::Middle, Bar::Right}) {
        tops_.at(static_cast<std::size_t>(bar)) = static_cast<float>(design::chartLine(bar).y2);
    }
    window_ = CreateWindowExW(
        0, kClassName, wide(frameDesign().text).c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChartFrame::procedure));
    place(dpiOf(parent));
}

void ChartFrame::place(int dpi) {
    const RECT r = pixelRect(frameDesign().rect, dpi);
    SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
}

bool ChartFrame::setBarTop(Bar bar, float y2, BarShare share) {
    const auto i = static_cast<std::size_t>(bar);
    if (tops_.at(i) == y2 && shares_.at(i) == share) return false;
    tops_.at(i) = y2;
    shares_.at(i) = share;
    InvalidateRect(window_, nullptr, FALSE);
    return true;
}

LRESULT CALLBACK ChartFrame::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ChartFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (self != nullptr) self->paint(dc);
            EndPaint(window, &ps);
            return 0;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Drawn into a bitmap first and copied at once, so a spin's redraw does not
// flicker.
// A line on the frame at `dpi`: its designed width about its x, from its
// fixed lower end to its top end now.
RECT ChartFrame::lineRect(Bar bar, int dpi) const {
    const design::Line& line = design::chartLine(bar);
    const int lineWidth = MulDiv(line.widthPx, dpi, USER_DEFAULT_SCREEN_DPI);
    const int x = pixels(line.x, dpi) - lineWidth / 2;
    const int y1 = pixels(line.y1, dpi);
    const int y2 = static_cast<int>(std::lround(barTop(bar) * static_cast<float>(dpi) / 1440.0F));
    return {x, std::min(y1, y2), x + lineWidth, std::max(y1, y2) + 1};
}

RECT ChartFrame::lineOnScreen(Bar bar) const {
    RECT r = lineRect(bar, dpiOf(window_));
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ChartFrame::paint(HDC target) const {
    RECT client;
    GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const int dpi = dpiOf(window_);
    const design::Control& frame = frameDesign();
    const Rgb face = frame.back.value_or(design::kBlack);
    const Rgb text = frame.fore.value_or(design::kLightGreen);

    FillRect(dc, &client, gdi_.brush(face));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colourRef(face));
    SetTextColor(dc, colourRef(text));

    // The edge, one pixel, from half the caption's height down; the caption
    // stands on it near the left, on the face.
    HFONT captionFont = gdi_.font(frame.font, dpi);
    const std::wstring caption = wide(frame.text);
    const SIZE captionSize = textSize(captionFont, caption);
    const int edgeTop = captionSize.cy / 2;
    HBRUSH edge = gdi_.brush(text);
    RECT edgeRect{0, edgeTop, width, height};
    FrameRect(dc, &edgeRect, edge);
    HGDIOBJ oldFont = SelectObject(dc, captionFont);
    const int captionLeft = pixels(120, dpi);
    RECT captionRect{captionLeft, 0, captionLeft + captionSize.cx + 2, captionSize.cy};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &captionRect,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);

    // The lines: a fixed lower end, a moving top end, their designed width.
    for (const Bar bar : {Bar::Zero, Bar::Left, Bar::Middle, Bar::Right}) {
        const RECT r = lineRect(bar, dpi);
        FillRect(dc, &r, gdi_.brush(design::chartLine(bar).colour));
    }
    // The captions under the lines.
    for (const design::Control& c : design::mainWindow().chartCaptions) {
        SelectObject(dc, gdi_.font(c.font, dpi));
        SetTextColor(dc, colourRef(c.fore.value_or(text)));
        SetBkColor(dc, colourRef(c.back.value_or(face)));
        const std::wstring label = wide(c.text);
        const SIZE size = textSize(gdi_.font(c.font, dpi), label);
        RECT r{pixels(c.rect.left, dpi), pixels(c.rect.top, dpi), 0, 0};
        r.right = r.left + size.cx;
        r.bottom = r.top + size.cy;
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &r,
                  DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace torvane::win
