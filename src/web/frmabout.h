// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

namespace torvane::web {

// The About window in the page: the product name, the version, a picture
// and the ownership lines. Loaded hidden at start; OK or any key that types
// a character closes it, which unloads it; the next showing loads it again.
class frmabout {
  public:
    // Builds the window, hidden, and runs its load handler, unless it is loaded.
    void load();
    // Loads the window if need be and shows it modally; returns once it is unloaded.
    void show();
    void unload();
    bool loaded() const;

    void Form_Load();
    void cmdok_Click();
    void Form_KeyPress(int keyAscii);
};

}  // namespace torvane::web
