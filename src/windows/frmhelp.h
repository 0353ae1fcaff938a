// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <memory>

#include "windows/Controls.h"
#include "windows/Graphics.h"

namespace torvane::win {

// The rules on a light-yellow panel in a blue popup without a border, owned
// by the main window (so it has no taskbar button). Each showing builds it
// afresh; a click on the text closes it, which unloads it; keys do nothing,
// except in keyboard mode, where Escape and Enter close it as the click does.
class frmhelp {
  public:
    explicit frmhelp(GdiCache& gdi) : gdi_(gdi) {}
    frmhelp(const frmhelp&) = delete;
    frmhelp& operator=(const frmhelp&) = delete;
    ~frmhelp();

    // Loads the window over `owner` and shows it modally; returns once it
    // is unloaded.
    void show(HWND owner);
    // Closes it: its showing then returns and destroys it.
    void unload();
    HWND window() const { return window_; }
    void setKeyboardMode(bool on) { keyboardMode_ = on; }

    void Form_Load();
    void lblhelp_Click();

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    GdiCache& gdi_;
    HWND window_ = nullptr;
    std::unique_ptr<ChildWindows> children_;
    bool closing_ = false;
    bool keyboardMode_ = false;
};

}  // namespace torvane::win
