// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/Table.h"
#include "support/FakeServices.h"
#include "support/FakeView.h"

namespace torvane::testing {

// A loaded table over the fakes. Every event goes through the table's own
// event members, so failures are reported as the window reports them; each
// returns whether the handler completed.
struct TableFixture {
    FakeView view;
    FakeServices services;
    Table table{view, services};

    TableFixture() { table.load(); }

    // A spin that draws `number`.
    bool spin(int number) {
        services.drawNext(number);
        return table.spin();
    }
    // A spin with the clock and generator as they are (one that is expected
    // to be refused, or whose draw a test scripted itself).
    bool spinAsScripted() { return table.spin(); }
    bool click(Box box, Amount button = kLeftButton, Amount shift = 0) {
        return table.bet(box, button, shift, 10, 10);
    }
    bool doubleUp() { return table.doubleIncrement(); }
    bool halve() { return table.halveIncrement(); }
    bool transfer() { return table.transfer(); }
    bool newGame() { return table.newGame(); }

    const TableState& state() const { return table.state(); }
    TableState& state() { return table.state(); }
    int bankPlusStakes() const;
    const Message& lastMessage() const { return services.messages.back(); }
};

}  // namespace torvane::testing
