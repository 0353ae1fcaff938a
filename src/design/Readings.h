// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <optional>
#include <string>

#include "game/TableView.h"
#include "lang/Language.h"

// What assistive technology says of the controls whose reading changes with
// play, and the actions it can take on them.
namespace torvane::design {

// "Left column stake: 25": a bet box's name with its stake as shown.
std::string stakeReading(Box box, const std::string& shown);

// "Number 17, drawn by the last spin. Clicking it does nothing." or
// "Number 16 on the table. Clicking it does nothing."
std::string cellDescription(int number, bool drawn);

// "2 of 3 presses, 67%": the hits and the presses of SPIN a chart line was
// drawn from, and the share; before the first drawing, that no spins are
// counted yet.
std::string chartLineReading(const std::optional<BarShare>& share);

// "Place bet, left column": an action on a bet box, with the box's column.
std::string betActionName(const char* action, Box box);

// What is said once after a spin: "Number 17 drawn. Winnings R75."
std::string spinAnnouncement(int number, const std::string& winnings);

// The actions a screen reader finds on a bet box and on the help panel.
inline constexpr const char* kPlaceBetAction = "Place bet";
inline constexpr const char* kTakeBackBetAction = "Take back bet";
inline constexpr const char* kCloseAction = "Close";
// What a screen reader shows for one of these actions and says it does, in
// the player's language.
const char* actionName(const char* action);
const char* actionDescription(const char* action);

}  // namespace torvane::design
