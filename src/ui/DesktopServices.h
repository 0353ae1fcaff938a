// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/TableView.h"

class QUrl;
class QWidget;

namespace torvane::ui {

// Everything the windows ask of the desktop: the game table's services
// (modal message boxes, loading the About window, the clock's second, the
// generator), showing the help and About windows modally and unloading them,
// and handing addresses to the desktop. The program builds one
// implementation (QtDesktopServices) and the main window takes it; tests and
// tools pass their own.
class DesktopServices : public TableServices {
  public:
    // The main window: the owner of the message boxes and of the help and
    // About windows. Set by the main window when it is built.
    virtual void setMainWindow(QWidget* window) = 0;

    // Shows the help window modally, built afresh with its text; returns
    // when the player has closed it, which unloads it.
    virtual void showHelpWindow() = 0;
    // Shows the About window modally, loading it first if it is not loaded;
    // returns when the player has closed it, which unloads it.
    virtual void showAboutWindow() = 0;
    // Unloads the About window, then the help window: a window shown
    // modally is closed and freed once its showing has returned; a window
    // loaded hidden is freed now.
    virtual void unloadWindows() = 0;

    // Keyboard mode: the help window then also closes on Escape and Enter.
    // Set by the main window with its own mode.
    virtual void setKeyboardMode(bool on) = 0;

    // Hands an address to the desktop; the result is ignored.
    virtual void openUrl(const QUrl& url) = 0;
};

}  // namespace torvane::ui
