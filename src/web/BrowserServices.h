// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/Generator.h"
#include "game/TableView.h"
#include "web/frmabout.h"

namespace torvane::web {

// What the game table needs from the browser: message boxes drawn in the
// page, the About window, the local time's second (read from a fresh Date at
// each spin) and the game's own generator, never reseeded.
class BrowserServices : public TableServices {
  public:
    explicit BrowserServices(frmabout& about) : about_(about) {}

    void showMessage(const Message& message) override;
    void loadAboutWindow() override;
    int secondOfMinute() override;
    float nextRandom() override;

  private:
    frmabout& about_;
    Generator generator_;
};

}  // namespace torvane::web
