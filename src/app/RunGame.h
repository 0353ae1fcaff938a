// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <functional>

namespace torvane::ui {
class frmdiduvor;
class QtDesktopServices;
}  // namespace torvane::ui

namespace torvane {

// Starts the game: the application, the main window with its load handler
// run before it is first shown, then the event loop until the last window
// closes. `started`, if given, runs once the window is shown, with the window
// and the desktop services the program built (tests use it to drive the real
// program). Returns the process's exit status.
using StartedHook = std::function<void(ui::frmdiduvor&, ui::QtDesktopServices&)>;
int runGame(int& argc, char** argv, const StartedHook& started = {});

}  // namespace torvane
