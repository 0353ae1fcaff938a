// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "design/Layout.h"
#include "windows/Graphics.h"

// Child windows built from the design: each designed control as a child of
// the matching Windows class, with its designed text as its window text,
// placed, coloured and in its font at the window's DPI.
namespace torvane::win {

// A control as built: its design, its window and its colours now (a number
// cell's background changes with play).
struct Child {
    const design::Control* design = nullptr;
    HWND window = nullptr;
    std::optional<Rgb> fore;
    std::optional<Rgb> back;
};

class ChildWindows {
  public:
    ChildWindows(HWND parent, GdiCache& gdi) : parent_(parent), gdi_(gdi) {}

    // Creates `control` with control id `id` (never 1 or 2, which Enter and
    // Escape send) and adds it to the list.
    HWND create(const design::Control& control, int id);
    // Puts every child where the design has it at `dpi`, in its font there.
    void place(int dpi);

    const Child* find(HWND window) const;
    const Child* find(const std::string& name) const;
    Child* find(const std::string& name);
    HWND window(const std::string& name) const;

    // A label's text; an auto-size label then follows it (DrawText's
    // measure): its left edge stays, or for a right-aligned one its right.
    // Both return whether anything changed.
    bool setText(HWND window, const std::string& text);
    bool setBack(const std::string& name, Rgb colour);

    // WM_CTLCOLORSTATIC / WM_CTLCOLORLISTBOX / WM_CTLCOLOREDIT for a child:
    // the brush to paint it with, or null for the platform's default.
    HBRUSH colour(HWND child, HDC dc) const;

    int dpi() const { return dpi_; }
    const std::vector<Child>& all() const { return children_; }

  private:
    void fit(const Child& child) const;

    HWND parent_;
    GdiCache& gdi_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<Child> children_;
};

// The answer to a WM_CTLCOLOR* message (wParam the DC, lParam the child)
// for one of `children`: its brush, or 0 for the platform's default.
LRESULT colourReply(const ChildWindows* children, WPARAM wParam, LPARAM lParam);

// An icon resource at the size that suits `pixels`, freed by the caller.
HICON loadIcon(int resource, int pixels);

}  // namespace torvane::win
