// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/frmdiduvor.h"

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "web/Page.h"

namespace torvane::web {

void frmdiduvor::Form_Load() {
    table_.load();
}

// Unloads the About and help windows if they are loaded; then the main
// window goes, and with it the game. A page cannot close its own tab, so
// it says the game has ended.
void frmdiduvor::Form_Unload() {
    about_.unload();
    help_.unload();
    page::endGame();
}

// A screen reader hears the number drawn and the winnings once, whatever
// the many changes of the spin told it on the way.
void frmdiduvor::cmdspin_Click() {
    table_.spin();
    if (const auto drawn = view_.takeDrawnNumber()) {
        page::announce(design::spinAnnouncement(*drawn, view_.winCaption()));
    }
}
void frmdiduvor::cmdreset_Click() {
    table_.newGame();
}
void frmdiduvor::cmdtransfer_Click() {
    table_.transfer();
}
void frmdiduvor::cmddblup_Click() {
    table_.doubleIncrement();
}
void frmdiduvor::cmddbldown_Click() {
    table_.halveIncrement();
}
void frmdiduvor::lblleft_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Left, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}
void frmdiduvor::lblmiddle_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Middle, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}
void frmdiduvor::lblright_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Right, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}

// Unloading the main window runs its Unload handler.
void frmdiduvor::exit_Click() {
    Form_Unload();
}
void frmdiduvor::newgame_Click() {
    table_.newGameFromMenu();
}
void frmdiduvor::help_Click() {
    help_.show();
}
void frmdiduvor::about_Click() {
    about_.show();
}
void frmdiduvor::mailme_Click() {
    page::openAddress(design::kMailAddress);
}
void frmdiduvor::email_Click() {
    page::openAddress(design::kWebsite);
}

}  // namespace torvane::web
