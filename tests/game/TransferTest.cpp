// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

// A table with 75 of winnings after one bet on the left column (bank 975).
struct Won : TableFixture {
    Won() {
        click(Box::Left);
        spin(1);
    }
};

TEST(Transfer, MovesTheWinningsIntoTheBank) {
    Won t;
    ASSERT_EQ(t.view.win, "R75");
    t.transfer();
    EXPECT_EQ(t.view.bank, "1050");
    EXPECT_EQ(t.state().bank, 1050);
    EXPECT_EQ(t.state().winnings, 0);
    EXPECT_EQ(t.view.win, "0");  // plain digits, no "R"
    EXPECT_TRUE(t.services.messages.empty());
}

TEST(Transfer, KeepsMoneyTypedIntoTheBankSinceTheLastBet) {
    Won t;
    ASSERT_EQ(t.state().bank, 975);
    t.view.bank = "5000";
    t.transfer();
    EXPECT_EQ(t.view.bank, "5075");
}

TEST(Transfer, WithNothingWonIsRefusedAndChangesNothing) {
    TableFixture t;
    t.view.bank = "abc";
    t.transfer();
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage(), (Message{"There is no winnings to transfer.", MessageStyle::Critical,
                                        "Tranfer Violation"}));
    EXPECT_EQ(t.view.bank, "abc");
    EXPECT_EQ(t.view.win, "R0");
}

TEST(Transfer, AnUnreadableBankKeepsTheWinningsUnbanked) {
    Won t;
    t.view.bank = "lots";
    EXPECT_FALSE(t.transfer());
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage().title, "Torvane");
    EXPECT_EQ(t.lastMessage().prompt.rfind("The transfer of winnings could not be completed: the "
                                           "money in the bank (\"lots\") is not a number.",
                                           0),
              0u)
        << t.lastMessage().prompt;
    EXPECT_EQ(t.view.bank, "lots");
    EXPECT_EQ(t.state().winnings, 75);
    EXPECT_EQ(t.view.win, "R75");

    t.view.bank = "32700";  // 32775 does not fit
    t.transfer();
    EXPECT_EQ(t.services.messages.size(), 2u);
    EXPECT_EQ(t.view.bank, "32700");
    EXPECT_EQ(t.state().winnings, 75);

    t.view.bank = "100";
    t.transfer();
    EXPECT_EQ(t.view.bank, "175");
}

}  // namespace
}  // namespace torvane::testing
