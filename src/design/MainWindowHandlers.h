// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/Table.h"

// The main window's handlers, once for every front end: each front end
// wires its controls and menu items to them by the handler names the design
// gives (handlerName), and does what is its own (the help and About
// windows, the desktop's opener, closing) through WindowActions.
namespace torvane::design {

// What the main window's events need of the front end beyond the table.
class WindowActions {
  public:
    virtual ~WindowActions() = default;

    // Show the help or the About window modally; return when the player has
    // closed it.
    virtual void showHelpWindow() = 0;
    virtual void showAboutWindow() = 0;
    // Hands an address to the desktop's opener; the result is ignored.
    virtual void openAddress(const char* address) = 0;
    // Closes the main window, which raises its Unload (Form_Unload) and
    // ends the game.
    virtual void unloadMainWindow() = 0;
    // Unloads the About window, then the help window, whichever is loaded.
    virtual void unloadOtherWindows() = 0;
    // What follows a press of SPIN, once its handler has returned (the page
    // announces the number drawn).
    virtual void afterSpin() {}
};

// A MouseUp's arguments: the button (1 left, 2 right, 4 middle), the shift
// state (1 Shift, 2 Ctrl, 4 Alt) and the position in twips on the control.
struct MouseUp {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

class MainWindowHandlers {
  public:
    MainWindowHandlers(Table& table, WindowActions& actions) : table_(table), actions_(actions) {}

    // Runs the handler of that name ("cmdspin_Click", "lblleft_MouseUp",
    // "Form_Load"), with the mouse arguments where it takes them. Returns
    // false, and does nothing, for a name that has no handler.
    bool fire(std::string_view handler, const MouseUp& mouse = {});
    // Every handler name that fire() runs.
    static std::vector<std::string> names();

    // The window's own events.
    void Form_Load();
    void Form_Unload();

    // Controls.
    void cmdspin_Click();
    void cmdreset_Click();
    void cmdtransfer_Click();
    void cmddblup_Click();
    void cmddbldown_Click();
    void lblleft_MouseUp(const MouseUp& mouse);
    void lblmiddle_MouseUp(const MouseUp& mouse);
    void lblright_MouseUp(const MouseUp& mouse);

    // Menus.
    void exit_Click();
    void newgame_Click();
    void help_Click();
    void about_Click();
    void mailme_Click();
    void email_Click();

  private:
    void betBoxMouseUp(Box box, const MouseUp& mouse);

    Table& table_;
    WindowActions& actions_;
};

}  // namespace torvane::design
