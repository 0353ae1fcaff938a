// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include "game/Generator.h"
#include "game/TableView.h"
#include "windows/Graphics.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"

namespace torvane::win {

// Everything the windows ask of Windows: the game's services (modal
// message boxes owned by the main window, loading the About window, the
// second of the local time, the never-reseeded generator), the help and
// About windows, and the shell's opener. Tests derive from it to script
// the clock and the generator.
class WindowsServices : public TableServices {
  public:
    WindowsServices() = default;
    WindowsServices(const WindowsServices&) = delete;
    WindowsServices& operator=(const WindowsServices&) = delete;

    // The owner of the message boxes and of the help and About windows.
    void setMainWindow(HWND window) { mainWindow_ = window; }

    void showMessage(const Message& message) override;
    void loadAboutWindow() override;
    int secondOfMinute() override;
    float nextRandom() override;

    virtual void showHelpWindow();
    virtual void showAboutWindow();
    // Unloads the About window, then the help window, whichever is loaded.
    virtual void unloadWindows();
    // ShellExecuteW with "open"; the result is ignored.
    virtual void openAddress(const char* address);

    // Keyboard mode for the help window: Escape and Enter close it.
    void setKeyboardMode(bool on) { help_.setKeyboardMode(on); }

    GdiCache& gdi() { return gdi_; }
    frmabout& about() { return about_; }
    frmhelp& help() { return help_; }

  private:
    HWND mainWindow_ = nullptr;
    GdiCache gdi_;
    frmabout about_{gdi_};
    frmhelp help_{gdi_};
    Generator generator_;
};

}  // namespace torvane::win
