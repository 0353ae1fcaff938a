// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/Graphics.h"

#include <cmath>

namespace torvane::win {

int dpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

float twipsOf(int pixelCount, int dpi) {
    return static_cast<float>(pixelCount) * 1440.0F / static_cast<float>(dpi);
}

RECT pixelRect(const design::Twips& r, int dpi) {
    const int left = pixels(r.left, dpi);
    const int top = pixels(r.top, dpi);
    return {left, top, left + pixels(r.width, dpi), top + pixels(r.height, dpi)};
}

GdiCache::~GdiCache() {
    dropFonts();
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::font(const design::Font& f, int dpi) {
    // The size in hundredths of a point, so 8.25 and 13.5 are kept exactly.
    const int centipoints = static_cast<int>(std::lround(f.points * 100));
    const auto key = std::make_tuple(static_cast<int>(f.face), centipoints, f.bold, dpi);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(centipoints, dpi, 7200);
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, f.face == design::Face::Arial ? L"Arial" : L"Microsoft Sans Serif",
              LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&lf);
    fonts_.emplace(key, made);
    return made;
}

HBRUSH GdiCache::brush(Rgb colour) {
    const COLORREF ref = colourRef(colour);
    if (const auto found = brushes_.find(ref); found != brushes_.end()) return found->second;
    HBRUSH made = CreateSolidBrush(ref);
    brushes_.emplace(ref, made);
    return made;
}

void GdiCache::dropFonts() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

SIZE textSize(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    const std::wstring measured = text.empty() ? L" " : text;
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (text.empty()) r.right = 0;
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace torvane::win
