// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "lang/Language.h"

// What the rules say to the player: the message boxes' prompts and titles,
// and the failure message with its parts. Each is looked up in the player's
// language when it is shown (lang::text); the English is the designed text.
namespace torvane::texts {

using lang::N_;

// The refusals and notices, by the message box that shows them.
inline constexpr lang::Text kNoMoneyPrompt =
    N_("noMoney.prompt", "Bet increment to big or no money in the bank!");
inline constexpr lang::Text kNoMoneyLeftTitle = N_("noMoney.leftTitle", "No Money In Bank");
inline constexpr lang::Text kIncrementTooHighTitle =
    N_("noMoney.incrementTitle", "Increment To High");
inline constexpr lang::Text kEmptyBankTitle = N_("noMoney.emptyBankTitle", "No Money In Bank!");
inline constexpr lang::Text kNoBetsPrompt =
    N_("noBets.prompt", "You have no more bets to deposit in bank.");
inline constexpr lang::Text kNoBetsTitle = N_("noBets.title", "No Bets Left");
inline constexpr lang::Text kMaximumBetPrompt =
    N_("maximumBet.prompt", "5000 is the maximum bet for Torvane.");
inline constexpr lang::Text kMaximumBetTitle = N_("maximumBet.title", "Maximum Bets");
inline constexpr lang::Text kMaximumIncrementPrompt =
    N_("maximumIncrement.prompt", "Maximum increment for Torvane is R2500");
inline constexpr lang::Text kMinimumIncrementPrompt =
    N_("minimumIncrement.prompt", "Minimum increment for Torvane is R25");
inline constexpr lang::Text kNoWinningsPrompt =
    N_("noWinnings.prompt", "There is no winnings to transfer.");
inline constexpr lang::Text kNoWinningsTitle = N_("noWinnings.title", "Tranfer Violation");
inline constexpr lang::Text kNoFundsPrompt =
    N_("noFunds.prompt", "To continue u must deposit more money in the bank.");
inline constexpr lang::Text kNoFundsTitle = N_("noFunds.title", "No Funds Available");

// The window's title: %1 is the version.
inline constexpr lang::Text kWindowTitle = N_("frmdiduvor.title", "   Diduvor 3/1 V%1");

// The failure message: %1 is what was being done, %2 what went wrong.
inline constexpr lang::Text kFailure =
    N_("failure.message",
       "%1 could not be completed: %2.\n\nWhat was done before that point stands; play goes on.");
inline constexpr lang::Text kStartingAction = N_("failure.action", "Starting the table");
inline constexpr lang::Text kSpinAction = N_("failure.action", "The spin");
inline constexpr lang::Text kBetAction = N_("failure.action", "The bet");
inline constexpr lang::Text kDoubleAction = N_("failure.action", "Doubling the increment");
inline constexpr lang::Text kHalveAction = N_("failure.action", "Halving the increment");
inline constexpr lang::Text kTransferAction = N_("failure.action", "The transfer of winnings");
inline constexpr lang::Text kNewGameAction = N_("failure.action", "The new game");

// What went wrong: %1 is one of the subjects below, %2 the text as typed
// (in quotes, cut at 40 characters), and the range is kRange.
inline constexpr lang::Text kIsEmpty = N_("failure.reason", "%1 is empty");
inline constexpr lang::Text kNotANumber = N_("failure.reason", "%1 (\"%2\") is not a number");
inline constexpr lang::Text kTypedBeyond = N_("failure.reason", "%1 (\"%2\") is beyond %3");
inline constexpr lang::Text kBeyond = N_("failure.reason", "%1 is beyond %2");
inline constexpr lang::Text kWouldGoBeyond = N_("failure.reason", "%1 would go beyond %2");
inline constexpr lang::Text kRange =
    N_("failure.range", "what the table can hold (-32768 to 32767)");

// The subjects: the controls and amounts a failure can name.
inline constexpr lang::Text kBankText = N_("failure.subject", "the money in the bank");
inline constexpr lang::Text kIncrementText = N_("failure.subject", "the bet increment");
inline constexpr lang::Text kBankAmount = N_("failure.subject", "the bank");
inline constexpr lang::Text kLeftStake = N_("failure.subject", "the stake on the left column");
inline constexpr lang::Text kMiddleStake = N_("failure.subject", "the stake on the middle column");
inline constexpr lang::Text kRightStake = N_("failure.subject", "the stake on the right column");
inline constexpr lang::Text kTwiceIncrement = N_("failure.subject", "twice the bet increment");
inline constexpr lang::Text kHalfIncrement = N_("failure.subject", "half the bet increment");
inline constexpr lang::Text kChartBar = N_("failure.subject", "a chart bar");
inline constexpr lang::Text kPressCount =
    N_("failure.subject", "the count of presses for the chart");
inline constexpr lang::Text kStakeSum = N_("failure.subject", "the sum of the stakes");
inline constexpr lang::Text kSpinNumber = N_("failure.subject", "the spin number");
inline constexpr lang::Text kZeroCount = N_("failure.subject", "the count of zeros");
inline constexpr lang::Text kLeftCount = N_("failure.subject", "the count of left-column numbers");
inline constexpr lang::Text kMiddleCount =
    N_("failure.subject", "the count of middle-column numbers");
inline constexpr lang::Text kRightCount =
    N_("failure.subject", "the count of right-column numbers");
inline constexpr lang::Text kWinnings = N_("failure.subject", "the winnings");
inline constexpr lang::Text kThreeTimesStake =
    N_("failure.subject", "three times the winning stake");
inline constexpr lang::Text kNextStake = N_("failure.subject", "the next stake");

}  // namespace torvane::texts
