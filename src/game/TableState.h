// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/Numbers.h"

namespace torvane {

// The main window's private state: seventeen signed 16-bit fields, all 0 when
// the window is created. The stakes mirror the bet boxes' captions; `bank`
// caches the bank text as a bet action last read it.
struct TableState {
    Amount betLeft = 0;
    Amount betMiddle = 0;
    Amount betRight = 0;
    Amount winnings = 0;
    Amount increment = 0;
    Amount spinNumber = 0;
    Amount startBank = 0;
    Amount bank = 0;
    Amount hitsLeft = 0;
    Amount hitsMiddle = 0;
    Amount hitsRight = 0;
    Amount hitsZero = 0;
    Amount barZero = 0;
    Amount barLeft = 0;
    Amount barMiddle = 0;
    Amount barRight = 0;
    Amount windowSpins = 0;

    bool operator==(const TableState&) const = default;
};

}  // namespace torvane
