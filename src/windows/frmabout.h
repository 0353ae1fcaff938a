// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <memory>

#include "windows/Controls.h"
#include "windows/Graphics.h"

namespace torvane::win {

// The product, the version, a picture and the ownership lines in one frame,
// in a fixed dialog frame without a title bar, owned by the main window.
// Loaded hidden at start; closed by OK or by any key that types a
// character, which unloads it; the next showing loads it again.
class frmabout {
  public:
    explicit frmabout(GdiCache& gdi) : gdi_(gdi) {}
    frmabout(const frmabout&) = delete;
    frmabout& operator=(const frmabout&) = delete;
    ~frmabout();

    // Builds the window, hidden, over `owner` and runs its load handler,
    // unless it is loaded already.
    void load(HWND owner);
    // Loads it if need be and shows it modally; returns once it is unloaded.
    void show(HWND owner);
    // Unloads it: at once when hidden; when shown, its showing returns and
    // destroys it.
    void unload();
    bool loaded() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    // How many times its load handler has run.
    int loads() const { return loads_; }

    void Form_Load();
    void cmdok_Click();
    void Form_KeyPress(wchar_t key);

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void destroy();

    GdiCache& gdi_;
    HWND window_ = nullptr;
    std::unique_ptr<ChildWindows> children_;
    bool showing_ = false;
    bool closing_ = false;
    int loads_ = 0;
};

}  // namespace torvane::win
