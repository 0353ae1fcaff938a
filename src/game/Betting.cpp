// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Moving money between the bank and the three column stakes, the bet
// increment's arrows, and the transfer of winnings into the bank.
#include "game/Table.h"
#include "game/Texts.h"

namespace torvane {
namespace {

constexpr int kMaxStake = 5000;
constexpr int kMinStake = 25;  // a withdrawal that leaves less clears the stake
constexpr int kMaxIncrement = 2500;
constexpr int kMinIncrement = 25;

using texts::kBankAmount;
using texts::kBankText;
using texts::kIncrementText;

}  // namespace

enum class BankReading { Strict, Lenient };

// What distinguishes the three bet boxes; the rule itself is betBoxMouseUp.
struct Table::BetRow {
    Box box;
    Amount TableState::*stake;
    BankReading bankReading;
    lang::Text refusalTitle;  // when the increment is more than the bank
    lang::Text stakeName;
};

const Table::BetRow Table::kLeftRow{Box::Left, &TableState::betLeft, BankReading::Strict,
                                    texts::kNoMoneyLeftTitle, texts::kLeftStake};
const Table::BetRow Table::kMiddleRow{Box::Middle, &TableState::betMiddle, BankReading::Strict,
                                      texts::kIncrementTooHighTitle, texts::kMiddleStake};
const Table::BetRow Table::kRightRow{Box::Right, &TableState::betRight, BankReading::Lenient,
                                     texts::kIncrementTooHighTitle, texts::kRightStake};

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
            services_.showMessage({lang::text(texts::kNoMoneyPrompt), MessageStyle::Critical,
                                   lang::text(row.refusalTitle)});
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
        services_.showMessage({lang::text(texts::kNoBetsPrompt), MessageStyle::Critical,
                               lang::text(texts::kNoBetsTitle)});
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
        services_.showMessage({lang::text(texts::kNoMoneyPrompt), MessageStyle::Critical,
                               lang::text(texts::kEmptyBankTitle)});
        return;
    }
    const Amount raised = checked16(stake + state_.increment, row.stakeName);
    const bool capped = raised > kMaxStake;
    const Amount placed = capped ? Amount{kMaxStake} : raised;
    state_.bank = checked16(state_.bank - (placed - stake), kBankAmount);
    stake = placed;
    if (capped) {
        services_.showMessage({lang::text(texts::kMaximumBetPrompt), MessageStyle::Critical,
                               lang::text(texts::kMaximumBetTitle)});
    }
}

void Table::cmddblup_Click() {
    state_.increment = readStrict(view_.betsText(), kIncrementText);
    state_.increment = checked16(2LL * state_.increment, texts::kTwiceIncrement);
    if (state_.increment > kMaxIncrement) {
        services_.showMessage({lang::text(texts::kMaximumIncrementPrompt)});
        state_.increment = kMaxIncrement;
    }
    view_.setBetsText(writeNumber(state_.increment));
}

void Table::cmddbldown_Click() {
    state_.increment = readStrict(view_.betsText(), kIncrementText);
    state_.increment = roundToAmount(state_.increment / 2.0, texts::kHalfIncrement);
    if (state_.increment < kMinIncrement) {
        services_.showMessage({lang::text(texts::kMinimumIncrementPrompt)});
        state_.increment = kMinIncrement;
    }
    view_.setBetsText(writeNumber(state_.increment));
}

// Adds the winnings to the bank as the player sees it now, so money typed
// into the bank since the last bet is kept. If the bank text cannot be read
// or the sum does not fit, nothing changes and the winnings stay unbanked.
void Table::cmdtransfer_Click() {
    if (state_.winnings <= 0) {
        services_.showMessage({lang::text(texts::kNoWinningsPrompt), MessageStyle::Critical,
                               lang::text(texts::kNoWinningsTitle)});
        return;
    }
    const Amount shown = readStrict(view_.bankText(), kBankText);
    state_.bank = checked16(shown + state_.winnings, kBankAmount);
    view_.setBankText(writeNumber(state_.bank));
    state_.winnings = 0;
    view_.setWinCaption(writeNumber(state_.winnings));
}

}  // namespace torvane
