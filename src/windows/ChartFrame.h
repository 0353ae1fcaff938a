// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "game/TableView.h"
#include "windows/Graphics.h"

namespace torvane::win {

// The frame frmpopular with its chart, as a window class of the game's own:
// its black face, its edge and caption, the four chart lines and their
// captions, all painted here (a group box neither fills its inside nor
// keeps a caption colour under visual styles).
class ChartFrame {
  public:
    // Creates the frame as a child of `parent` at its designed place.
    ChartFrame(HWND parent, int id, GdiCache& gdi);
    ChartFrame(const ChartFrame&) = delete;
    ChartFrame& operator=(const ChartFrame&) = delete;

    HWND window() const { return window_; }
    // Moves a line's top end (twips relative to the frame), with what its
    // height was drawn from.
    // Returns whether it changed.
    bool setBarTop(Bar bar, float y2, BarShare share);
    float barTop(Bar bar) const { return tops_.at(static_cast<std::size_t>(bar)); }
    const std::optional<BarShare>& share(Bar bar) const {
        return shares_.at(static_cast<std::size_t>(bar));
    }
    // A line's rectangle on the screen.
    RECT lineOnScreen(Bar bar) const;
    // Puts the frame where the design has it at the window's DPI.
    void place(int dpi);

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc) const;
    RECT lineRect(Bar bar, int dpi) const;

    HWND window_ = nullptr;
    GdiCache& gdi_;
    std::array<float, 4> tops_{};
    std::array<std::optional<BarShare>, 4> shares_{};
};

}  // namespace torvane::win
