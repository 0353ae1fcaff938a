// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/MainWindowHandlers.h"

#include <variant>

#include "design/MainWindow.h"

namespace torvane::design {
namespace {

using H = MainWindowHandlers;
using Plain = void (H::*)();
using Mouse = void (H::*)(const MouseUp&);

struct Entry {
    const char* name;
    std::variant<Plain, Mouse> handler;
};

// Each handler under the name the design gives its control's event.
const Entry kHandlers[] = {
    {"Form_Load", &H::Form_Load},
    {"Form_Unload", &H::Form_Unload},
    {"cmdspin_Click", &H::cmdspin_Click},
    {"cmdreset_Click", &H::cmdreset_Click},
    {"cmdtransfer_Click", &H::cmdtransfer_Click},
    {"cmddblup_Click", &H::cmddblup_Click},
    {"cmddbldown_Click", &H::cmddbldown_Click},
    {"lblleft_MouseUp", &H::lblleft_MouseUp},
    {"lblmiddle_MouseUp", &H::lblmiddle_MouseUp},
    {"lblright_MouseUp", &H::lblright_MouseUp},
    {"exit_Click", &H::exit_Click},
    {"newgame_Click", &H::newgame_Click},
    {"help_Click", &H::help_Click},
    {"about_Click", &H::about_Click},
    {"mailme_Click", &H::mailme_Click},
    {"email_Click", &H::email_Click},
};

}  // namespace

bool MainWindowHandlers::fire(std::string_view handler, const MouseUp& mouse) {
    for (const Entry& entry : kHandlers) {
        if (handler != entry.name) continue;
        if (const auto* plain = std::get_if<Plain>(&entry.handler)) {
            (this->**plain)();
        } else {
            (this->*std::get<Mouse>(entry.handler))(mouse);
        }
        return true;
    }
    return false;
}

std::vector<std::string> MainWindowHandlers::names() {
    std::vector<std::string> all;
    for (const Entry& entry : kHandlers) all.emplace_back(entry.name);
    return all;
}

void MainWindowHandlers::Form_Load() {
    table_.load();
}

// The About and help windows go first; the main window, already closing,
// then goes, and with it the game.
void MainWindowHandlers::Form_Unload() {
    actions_.unloadOtherWindows();
}

void MainWindowHandlers::cmdspin_Click() {
    table_.spin();
    actions_.afterSpin();
}
void MainWindowHandlers::cmdreset_Click() {
    table_.newGame();
}
void MainWindowHandlers::cmdtransfer_Click() {
    table_.transfer();
}
void MainWindowHandlers::cmddblup_Click() {
    table_.doubleIncrement();
}
void MainWindowHandlers::cmddbldown_Click() {
    table_.halveIncrement();
}

void MainWindowHandlers::betBoxMouseUp(Box box, const MouseUp& mouse) {
    table_.bet(box, static_cast<Amount>(mouse.button), static_cast<Amount>(mouse.shift), mouse.x,
               mouse.y);
}
void MainWindowHandlers::lblleft_MouseUp(const MouseUp& mouse) {
    betBoxMouseUp(Box::Left, mouse);
}
void MainWindowHandlers::lblmiddle_MouseUp(const MouseUp& mouse) {
    betBoxMouseUp(Box::Middle, mouse);
}
void MainWindowHandlers::lblright_MouseUp(const MouseUp& mouse) {
    betBoxMouseUp(Box::Right, mouse);
}

// Unloading the main window raises its Unload, which runs Form_Unload.
void MainWindowHandlers::exit_Click() {
    actions_.unloadMainWindow();
}
void MainWindowHandlers::newgame_Click() {
    table_.newGameFromMenu();
}
void MainWindowHandlers::help_Click() {
    actions_.showHelpWindow();
}
void MainWindowHandlers::about_Click() {
    actions_.showAboutWindow();
}
void MainWindowHandlers::mailme_Click() {
    actions_.openAddress(kMailAddress);
}
void MainWindowHandlers::email_Click() {
    actions_.openAddress(kWebsite);
}

}  // namespace torvane::design
