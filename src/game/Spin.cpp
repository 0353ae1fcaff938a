// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// SPIN: the funds check, the draw, the frequency chart, the payout and the history.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/Columns.h"
#include "game/Table.h"
#include "game/Texts.h"

namespace torvane {
namespace {

constexpr int kHistoryLines = 10;
constexpr int kSpinNumberWrap = 1000;
constexpr int kChartWindow = 50;  // presses of SPIN per statistics window

// 1000 when the outcome never came up in the window, 0 when it came up on
// every press; halves to even.
Amount barValue(Amount hits, Amount presses) {
    return roundToAmount(1000.0 - static_cast<double>(hits) / presses * 1000.0, texts::kChartBar);
}

}  // namespace

void Table::cmdspin_Click() {
    // Every press counts towards the chart window, refused ones too.
    state_.windowSpins = checked16(state_.windowSpins + 1, texts::kPressCount);

    const double bankValue = readLenient(view_.bankText());
    const Amount staked =
        checked16(checked16(state_.betLeft + state_.betMiddle, texts::kStakeSum) + state_.betRight,
                  texts::kStakeSum);
    if (bankValue <= 0 && staked == 0) {
        services_.showMessage({lang::text(texts::kNoFundsPrompt), MessageStyle::Critical,
                               lang::text(texts::kNoFundsTitle)});
        return;
    }

    if (state_.spinNumber == kSpinNumberWrap) state_.spinNumber = 0;
    state_.spinNumber = checked16(state_.spinNumber + 1, texts::kSpinNumber);

    for (int cell = 0; cell < kNumberCount; ++cell) view_.setCellColour(cell, kCellDarkGreen);
    const int number = drawNumber();
    view_.setCellColour(number, kCellBrightGreen);

    updateChart(number);
    payout(number);
    addHistoryLine(number);

    view_.setWinCaption(withCurrency(state_.winnings));
    showStakes();
}

// One generator value per second of the clock; the last one decides. At
// second 0 nothing is consumed and the number is 0.
int Table::drawNumber() {
    const int seconds = services_.secondOfMinute();
    int number = 0;
    for (int i = 0; i < seconds; ++i) {
        const double value = services_.nextRandom();
        // Kept within the table even if a generator strays outside [0, 1).
        number =
            std::clamp(static_cast<int>(std::floor(value * kNumberCount)), 0, kNumberCount - 1);
    }
    return number;
}

void Table::updateChart(int number) {
    switch (columnOf(number)) {
        case Column::None:
            state_.hitsZero = checked16(state_.hitsZero + 1, texts::kZeroCount);
            break;
        case Column::Left:
            state_.hitsLeft = checked16(state_.hitsLeft + 1, texts::kLeftCount);
            break;
        case Column::Middle:
            state_.hitsMiddle = checked16(state_.hitsMiddle + 1, texts::kMiddleCount);
            break;
        case Column::Right:
            state_.hitsRight = checked16(state_.hitsRight + 1, texts::kRightCount);
            break;
    }
    // The first press of a window draws nothing: one spin is no frequency.
    if (state_.windowSpins < 2) return;

    state_.barZero = barValue(state_.hitsZero, state_.windowSpins);
    state_.barLeft = barValue(state_.hitsLeft, state_.windowSpins);
    state_.barMiddle = barValue(state_.hitsMiddle, state_.windowSpins);
    state_.barRight = barValue(state_.hitsRight, state_.windowSpins);
    const Amount presses = state_.windowSpins;
    view_.setBarTop(Bar::Zero, state_.barZero, {state_.hitsZero, presses});
    view_.setBarTop(Bar::Left, state_.barLeft, {state_.hitsLeft, presses});
    view_.setBarTop(Bar::Middle, state_.barMiddle, {state_.hitsMiddle, presses});
    view_.setBarTop(Bar::Right, state_.barRight, {state_.hitsRight, presses});

    if (state_.windowSpins >= kChartWindow) {
        ClearStatistics();
        state_.windowSpins = 0;
    }
}

// Works out everything that could overflow before changing anything, so a
// failed payout leaves the stakes on the table, matching their captions.
void Table::payout(int number) {
    TableState& s = state_;
    if (s.betLeft == 0 && s.betMiddle == 0 && s.betRight == 0) return;

    // Equal stakes on all three columns come back whatever the number.
    if (s.betLeft == s.betMiddle && s.betMiddle == s.betRight) {
        const Amount winnings = checked16(s.winnings + 3LL * s.betLeft, texts::kWinnings);
        s.betLeft = 0;
        s.betMiddle = 0;
        s.winnings = winnings;
        s.betRight = 0;
        return;
    }

    Amount won = 0;
    switch (columnOf(number)) {
        case Column::None:
            break;
        case Column::Left:
            won = s.betLeft;
            break;
        case Column::Middle:
            won = s.betMiddle;
            break;
        case Column::Right:
            won = s.betRight;
            break;
    }
    const Amount winnings =
        checked16(s.winnings + checked16(3LL * won, texts::kThreeTimesStake), texts::kWinnings);
    // A negative increment typed by the player leaves minus the increment on
    // every column after a non-zero number.
    const Amount negated = checked16(-s.increment, texts::kNextStake);
    const Amount next = number != 0 && negated > 0 ? negated : Amount{0};

    s.winnings = winnings;
    s.betLeft = next;
    s.betMiddle = next;
    s.betRight = next;
}

// "0007   23": the spin number in four digits, three blanks, the number.
void Table::addHistoryLine(int number) {
    while (view_.historyCount() >= kHistoryLines) view_.removeHistory(0);
    char spin[8];
    std::snprintf(spin, sizeof spin, "%04d", static_cast<int>(state_.spinNumber));
    view_.addHistory(std::string(spin) + "   " + writeNumber(number));
}

}  // namespace torvane
