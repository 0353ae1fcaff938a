// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/Table.h"
#include "web/BrowserServices.h"
#include "web/PageTableView.h"
#include "web/frmabout.h"
#include "web/frmhelp.h"

namespace torvane::web {

// The main window in the page. Its handlers, named after their control and
// event, pass each event to the game table or to the help and About windows
// and the browser. The page's script calls them, one at a time.
class frmdiduvor {
  public:
    // The window's own events.
    void Form_Load();
    void Form_Unload();

    // Controls.
    void cmdspin_Click();
    void cmdreset_Click();
    void cmdtransfer_Click();
    void cmddblup_Click();
    void cmddbldown_Click();
    void lblleft_MouseUp(int button, int shift, float x, float y);
    void lblmiddle_MouseUp(int button, int shift, float x, float y);
    void lblright_MouseUp(int button, int shift, float x, float y);

    // Menus.
    void exit_Click();
    void newgame_Click();
    void help_Click();
    void about_Click();
    void mailme_Click();
    void email_Click();

  private:
    frmhelp help_;
    frmabout about_;
    BrowserServices services_{about_};
    PageTableView view_;
    Table table_{view_, services_};
};

}  // namespace torvane::web
