// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QString>
#include <optional>

#include "design/Readings.h"
#include "game/TableView.h"

// What assistive technology (a screen reader, over AT-SPI on Linux) reads
// and does on the game's own controls, which Qt knows only as plain labels
// and widgets:
// - the bet boxes are named for their column, show the stake as the box
//   does, and have the actions "Place bet" and "Take back bet", which reach
//   the box's handler as a left or a right release would;
// - the chart lines are named for their outcome and described by what their
//   height is drawn from;
// - the help panel reads as its whole text and has the action "Close".
namespace torvane::ui {

using design::kCloseAction;
using design::kPlaceBetAction;
using design::kTakeBackBetAction;

// Installs the interfaces of those controls with Qt's accessibility; once
// per process, by setUpResources().
void installAccessibility();

// "2 of 3 presses, 67%": the hits and the presses of SPIN a chart line was
// drawn from, and the share; before the first drawing, that no spins are
// counted yet.
QString chartLineDescription(const std::optional<BarShare>& share);

}  // namespace torvane::ui
