// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "support/TableFixture.h"

namespace torvane::testing {

int TableFixture::bankPlusStakes() const {
    const TableState& s = table.state();
    return s.bank + s.betLeft + s.betMiddle + s.betRight;
}

}  // namespace torvane::testing
