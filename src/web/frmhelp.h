// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

namespace torvane::web {

// The help window in the page: the rules on a light-yellow panel in a blue
// window without a border. Each showing builds it afresh; a click on the
// text closes it, which unloads it, and so do Escape and Enter.
class frmhelp {
  public:
    // Loads the window and shows it modally; returns once it is unloaded.
    void show();
    void unload();

    void Form_Load();
    void lblhelp_Click();
};

}  // namespace torvane::web
