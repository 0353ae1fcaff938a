// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "app/CommandLine.h"
#include "ui/ScreenReaderStatus.h"

namespace torvane::ui {
class frmdiduvor;
}

namespace torvane {

// What the command line and the desktop ask of the game's shown window:
// keyboard mode from --keyboard, or from a screen reader that the desktop
// says is running (asked without waiting; a later answer turns the mode on),
// and quitting once the window is on screen (--exit-when-shown).
class PlayOptions {
  public:
    PlayOptions(const CommandLine& command, ui::frmdiduvor& window);

    // The status to end the process with, once the event loop has returned.
    // Where the toolkit's teardown could wait for ever, the process ends
    // here, at once, with `status` (it has nothing to save): on Wayland, and
    // when the session bus has not answered within half a second more (Qt's
    // D-Bus thread is then stuck connecting to it).
    int exitStatus(int status) const;

  private:
    ui::ScreenReaderStatus screenReader_;
};

}  // namespace torvane
