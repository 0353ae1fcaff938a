// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "design/MainWindowHandlers.h"
#include "game/Table.h"
#include "web/BrowserServices.h"
#include "web/PageTableView.h"
#include "web/frmabout.h"
#include "web/frmhelp.h"

namespace torvane::web {

// The main window in the page. The page's script passes each event to the
// shared main-window handler named for it, one at a time; what those ask of
// the browser (the help and About windows, links, the end of the game, the
// spin's announcement) is done here.
class frmdiduvor : public design::WindowActions {
  public:
    design::MainWindowHandlers& handlers() { return handlers_; }

    void showHelpWindow() override;
    void showAboutWindow() override;
    void openAddress(const char* address) override;
    void unloadMainWindow() override;
    void unloadOtherWindows() override;
    void afterSpin() override;

  private:
    frmhelp help_;
    frmabout about_;
    BrowserServices services_{about_};
    PageTableView view_;
    Table table_{view_, services_};
    design::MainWindowHandlers handlers_{table_, *this};
};

}  // namespace torvane::web
