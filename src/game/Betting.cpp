// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Moving money between the bank and the three column stakes, the bet
// increment's arrows, and the transfer of winnings into the bank.
#include "game/Table.h"

namespace torvane {
namespace {

constexpr int kMaxStake = 5000;
constexpr int kMinStake = 25;  // a withdrawal that leaves less clears the stake
constexpr int kMaxIncrement = 2500;
constexpr int kMinIncrement = 25;

constexpr const char* kBankText = "the money in the bank";
constexpr const char* kIncrementText = "the bet increment";
constexpr const char* kBankAmount = "the bank";
constexpr const char* kNoMoney = "Bet increment to big or no money in the bank!";

}  // namespace

enum class BankReading { Strict, Lenient };

// What distinguishes the three bet boxes; the rule itself is betBoxMouseUp.
struct Table::BetRow {
    Box box;
    Amount TableState::*stake;
    BankReading bankReading;
    const char* refusalTitle;  // when the increment is more than the bank
    const char* stakeName;
};

const Table::BetRow Table::kLeftRow{Box::Left, &TableState::betLeft, BankReading::Strict,
                                    "No Money In Bank", "the stake on the left column"};
const Table::BetRow Table::kMiddleRow{Box::Middle, &TableState::betMiddle, BankReading::Strict,
                                      "Increment To High", "the stake on the middle column"};
const Table::BetRow Table::kRightRow{Box::Right, &TableState::betRight, BankReading::Lenient,
                                     "Increment To High", "the stake on the right column"};

void Table::lblleft_MouseUp(Amount button, Amount, float, float) {
    betBoxMouseUp(kLeftRow, button);
}
void Table::lblmiddle_MouseUp(Amount button, Amount, float, float) {
    betBoxMouseUp(kMiddleRow, button);
}
void Table::lblright_MouseUp(Amount button, Amount, float, float) {
    betBoxMouseUp(kRightRow, button);
}

// The right button takes one increment back off the box's stake; any other
// button places one. Bank, increment and stake are re-read from the controls
// first, each stored as soon as it is read.
void Table::betBoxMouseUp(const BetRow& row, Amount button) {
    const std::string bankText = view_.bankText();
    state_.bank = row.bankReading == BankReading::Strict
                      ? readStrict(bankText, kBankText)
                      : roundToAmount(readLenient(bankText), kBankText);
    state_.increment = readStrict(view_.betsText(), kIncrementText);
    Amount& stake = state_.*row.stake;
    stake = readStrict(view_.stakeCaption(row.box), row.stakeName);

    if (button == kRightButton) {
        withdraw(row, stake);
    } else {
        const bool refused = state_.increment > state_.bank;
        if (refused) {
            services_.showMessage({kNoMoney, MessageStyle::Critical, row.refusalTitle});
            return;  // nothing is rewritten
        }
        place(row, stake);
    }
    view_.setStakeCaption(row.box, writeNumber(stake));
    view_.setBankText(writeNumber(state_.bank));
}

// The bank gets back exactly what leaves the stake, so no money is lost or
// made when the stake is smaller than the increment or drops below 25.
void Table::withdraw(const BetRow& row, Amount& stake) {
    if (stake < 1) {
        services_.showMessage(
            {"You have no more bets to deposit in bank.", MessageStyle::Critical, "No Bets Left"});
        return;
    }
    const Amount lowered = checked16(stake - state_.increment, row.stakeName);
    const Amount remaining = lowered < kMinStake ? Amount{0} : lowered;
    state_.bank = checked16(state_.bank + (stake - remaining), kBankAmount);
    stake = remaining;
}

// The bank pays exactly what the stake rises by, so a stake cut back to the
// 5000 maximum costs only what it gained.
void Table::place(const BetRow& row, Amount& stake) {
    if (state_.bank < 1) {
        services_.showMessage({kNoMoney, MessageStyle::Critical, "No Money In Bank!"});
        return;
    }
    const Amount raised = checked16(stake + state_.increment, row.stakeName);
    const bool capped = raised > kMaxStake;
    const Amount placed = capped ? Amount{kMaxStake} : raised;
    state_.bank = checked16(state_.bank - (placed - stake), kBankAmount);
    stake = placed;
    if (capped) {
        services_.showMessage(
            {"5000 is the maximum bet for Torvane.", MessageStyle::Critical, "Maximum Bets"});
    }
}

void Table::cmddblup_Click() {
    state_.increment = readStrict(view_.betsText(), kIncrementText);
    state_.increment = checked16(2LL * state_.increment, "twice the bet increment");
    if (state_.increment > kMaxIncrement) {
        services_.showMessage({"Maximum increment for Torvane is R2500"});
        state_.increment = kMaxIncrement;
    }
    view_.setBetsText(writeNumber(state_.increment));
}

void Table::cmddbldown_Click() {
    state_.increment = readStrict(view_.betsText(), kIncrementText);
    state_.increment = roundToAmount(state_.increment / 2.0, "half the bet increment");
    if (state_.increment < kMinIncrement) {
        services_.showMessage({"Minimum increment for Torvane is R25"});
        state_.increment = kMinIncrement;
    }
    view_.setBetsText(writeNumber(state_.increment));
}

// Adds the winnings to the bank as the player sees it now, so money typed
// into the bank since the last bet is kept. If the bank text cannot be read
// or the sum does not fit, nothing changes and the winnings stay unbanked.
void Table::cmdtransfer_Click() {
    if (state_.winnings <= 0) {
        services_.showMessage(
            {"There is no winnings to transfer.", MessageStyle::Critical, "Tranfer Violation"});
        return;
    }
    const Amount shown = readStrict(view_.bankText(), kBankText);
    state_.bank = checked16(shown + state_.winnings, kBankAmount);
    view_.setBankText(writeNumber(state_.bank));
    state_.winnings = 0;
    view_.setWinCaption(writeNumber(state_.winnings));
}

}  // namespace torvane
