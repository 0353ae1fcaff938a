#include "game/Table.h"

#include "game/Version.h"

namespace torvane {

Message Table::failureMessage(std::string_view action, const TableFailure& failure) {
    return Message{std::string(action) + " could not be completed: " + failure.what() +
                       ".\n\nWhat was done before that point stands; play goes on.",
                   MessageStyle::Critical, kAppTitle};
}

std::string Table::versionText() {
    return writeNumber(kVersionMajor) + "." + writeNumber(kVersionMinor) + "." +
           writeNumber(kVersionRevision);
}

std::string Table::windowTitle() {
    return "   Diduvor 3/1 V" + versionText();
}

void Table::Form_Load() {
    services_.loadAboutWindow();
    view_.setCaption(windowTitle());
    state_.startBank = readStrict(view_.bankText(), "the money in the bank");
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
