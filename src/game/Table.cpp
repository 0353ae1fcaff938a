// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "game/Table.h"

#include "game/Texts.h"
#include "game/Version.h"

namespace torvane {

// What the failure message calls each event: "<action> could not be completed".
const char* Table::actionText(Event event) {
    switch (event) {
        case Event::Load:
            return lang::text(texts::kStartingAction);
        case Event::Spin:
            return lang::text(texts::kSpinAction);
        case Event::Bet:
            return lang::text(texts::kBetAction);
        case Event::DoubleIncrement:
            return lang::text(texts::kDoubleAction);
        case Event::HalveIncrement:
            return lang::text(texts::kHalveAction);
        case Event::Transfer:
            return lang::text(texts::kTransferAction);
        case Event::NewGame:
            break;
    }
    return lang::text(texts::kNewGameAction);
}

Message Table::failureMessage(Event event, const TableFailure& failure) {
    return Message{lang::format(lang::text(texts::kFailure), {actionText(event), failure.what()}),
                   MessageStyle::Critical, kAppTitle};
}

std::string Table::versionText() {
    return writeNumber(kVersionMajor) + "." + writeNumber(kVersionMinor) + "." +
           writeNumber(kVersionRevision);
}

std::string Table::windowTitle() {
    return lang::format(lang::text(texts::kWindowTitle), {versionText()});
}

bool Table::load() {
    return fire(Event::Load, [this] { Form_Load(); });
}
bool Table::spin() {
    return fire(Event::Spin, [this] { cmdspin_Click(); });
}
bool Table::bet(Box box, Amount button, Amount shift, float x, float y) {
    return fire(Event::Bet, [&] {
        switch (box) {
            case Box::Left:
                lblleft_MouseUp(button, shift, x, y);
                break;
            case Box::Middle:
                lblmiddle_MouseUp(button, shift, x, y);
                break;
            case Box::Right:
                lblright_MouseUp(button, shift, x, y);
                break;
        }
    });
}
bool Table::doubleIncrement() {
    return fire(Event::DoubleIncrement, [this] { cmddblup_Click(); });
}
bool Table::halveIncrement() {
    return fire(Event::HalveIncrement, [this] { cmddbldown_Click(); });
}
bool Table::transfer() {
    return fire(Event::Transfer, [this] { cmdtransfer_Click(); });
}
bool Table::newGame() {
    return fire(Event::NewGame, [this] { cmdreset_Click(); });
}
bool Table::newGameFromMenu() {
    return fire(Event::NewGame, [this] { newgame_Click(); });
}

void Table::Form_Load() {
    services_.loadAboutWindow();
    view_.setCaption(windowTitle());
    state_.startBank = readStrict(view_.bankText(), texts::kBankText);
    view_.setWinCaption("R0");
}

void Table::ClearStatistics() {
    state_.hitsZero = 0;
    state_.hitsLeft = 0;
    state_.hitsMiddle = 0;
    state_.hitsRight = 0;
    state_.barRight = 0;
    state_.barMiddle = 0;
    state_.barLeft = 0;
    state_.barZero = 0;
}

void Table::showStakes() {
    view_.setStakeCaption(Box::Left, writeNumber(state_.betLeft));
    view_.setStakeCaption(Box::Middle, writeNumber(state_.betMiddle));
    view_.setStakeCaption(Box::Right, writeNumber(state_.betRight));
}

// New Game: the starting bank back, stakes, winnings and history cleared.
// The statistics window's press count, the cached bank, the cells and the
// chart lines stay as they are.
void Table::cmdreset_Click() {
    ClearStatistics();
    state_.betLeft = 0;
    state_.betMiddle = 0;
    state_.betRight = 0;
    state_.winnings = 0;
    state_.increment = 0;
    state_.spinNumber = 0;
    view_.setWinCaption(withCurrency(state_.winnings));
    showStakes();
    view_.setBankText(writeNumber(state_.startBank));
    view_.setBetsText("25");
    view_.clearHistory();
}

void Table::newgame_Click() {
    cmdreset_Click();
}

}  // namespace torvane
