// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/frmdiduvor.h"

#include "design/Readings.h"
#include "web/Page.h"

namespace torvane::web {

void frmdiduvor::showHelpWindow() {
    help_.show();
}
void frmdiduvor::showAboutWindow() {
    about_.show();
}
void frmdiduvor::openAddress(const char* address) {
    page::openAddress(address);
}

// The main window unloads: its Unload handler closes the other windows,
// then the game ends. A page cannot close its own tab, so it says the game
// has ended.
void frmdiduvor::unloadMainWindow() {
    handlers_.Form_Unload();
    page::endGame();
}
void frmdiduvor::unloadOtherWindows() {
    about_.unload();
    help_.unload();
}

// A screen reader hears the number drawn and the winnings once, whatever
// the many changes of the spin told it on the way.
void frmdiduvor::afterSpin() {
    if (const auto drawn = view_.takeDrawnNumber()) {
        page::announce(design::spinAnnouncement(*drawn, view_.winCaption()));
    }
}

}  // namespace torvane::web
