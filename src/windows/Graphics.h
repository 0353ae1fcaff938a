// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "design/Layout.h"

// Twips, fonts and colours on a screen of a given DPI: the designed
// window at 96 DPI is twips / 15 pixels, and at any other DPI the same
// window scaled.
namespace torvane::win {

// The window's DPI (GetDpiForWindow where Windows has it, else the
// screen's).
int dpiOf(HWND window);

int pixels(int twips, int dpi);
// Pixels back to twips, for a pointer position on a control.
float twipsOf(int pixels, int dpi);
RECT pixelRect(const design::Twips& rect, int dpi);

inline COLORREF colourRef(Rgb c) {
    return RGB(c.red, c.green, c.blue);
}

// The fonts and brushes the windows draw with, made once each and freed
// with the cache. "MS Sans Serif" is drawn in its TrueType successor
// "Microsoft Sans Serif": the raster font of the old name does not scale.
class GdiCache {
  public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;
    ~GdiCache();

    HFONT font(const design::Font& font, int dpi);
    HBRUSH brush(Rgb colour);
    // Frees every font, for a change of DPI.
    void dropFonts();

  private:
    std::map<std::tuple<int, int, bool, int>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
};

// The size `text` takes in `font` (DrawText's own measure, with CR LF as
// line breaks), at least one line high.
SIZE textSize(HFONT font, const std::wstring& text);

}  // namespace torvane::win
