// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <optional>
#include <string>

#include "support/TableFixture.h"

// What must hold of a table after every event, whatever came before: the
// property test, the fuzzers and the window monkey all check these.
namespace torvane::testing {

// The bank as a bet on `box` reads `bankText` (strictly for the left and
// middle boxes, leniently for the right), or nothing when that reading fails.
std::optional<int> bankAsBoxReads(Box box, const std::string& bankText);

// The sum of the three stakes.
int stakesTotal(const TableState& state);

// The first broken rule of a sound table, or "" when there is none: the
// captions show the stakes, the history holds at most ten lines, at most one
// number cell is lit, every bar lies between 0 and 1000 and no hit counter
// exceeds the window of 50 presses.
std::string soundnessViolation(const FakeView& view, const TableState& state);

}  // namespace torvane::testing
