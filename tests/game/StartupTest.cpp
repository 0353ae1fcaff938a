// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

TEST(Startup, LoadWritesTitleAndWinningsAndCapturesTheStartingBank) {
    TableFixture t;
    EXPECT_EQ(t.view.caption, "   Diduvor 3/1 V1.0.18");
    EXPECT_EQ(t.view.win, "R0");
    EXPECT_EQ(t.state().startBank, 1000);
    EXPECT_EQ(t.state().bank, 0);
    EXPECT_EQ(t.services.aboutLoads, 1);
    EXPECT_TRUE(t.services.messages.empty());

    TableState expected;  // everything else still as created
    expected.startBank = 1000;
    EXPECT_EQ(t.state(), expected);
}

TEST(Startup, AnUnreadableStartingBankIsReportedNotFatal) {
    FakeView view;
    FakeServices services;
    view.bank = "lots";
    Table table(view, services);
    EXPECT_FALSE(table.load());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].style, MessageStyle::Critical);
    EXPECT_EQ(services.messages[0].title, "Torvane");
    EXPECT_NE(services.messages[0].prompt.find("the money in the bank (\"lots\") is not a number"),
              std::string::npos);
    EXPECT_EQ(view.caption, "   Diduvor 3/1 V1.0.18");  // done before the failure
    EXPECT_EQ(view.win, "");                            // after it: not done
}

class NewGame : public ::testing::TestWithParam<bool> {
  protected:
    void press() {
        if (GetParam()) {
            EXPECT_TRUE(t.table.newGameFromMenu());  // View > New Game
        } else {
            EXPECT_TRUE(t.table.newGame());  // the New Game button
        }
    }
    TableFixture t;
};

TEST_P(NewGame, RestoresTheBankCapturedAtLoadAndClearsTheTable) {
    t.click(Box::Left);
    t.click(Box::Middle);
    for (int i = 0; i < 3; ++i) t.spin(1);
    t.view.bank = "2000";
    t.view.bets = "100";
    const float barBefore = t.view.bars[Bar::Left];
    const int cellsLit = t.view.brightCells();

    press();

    EXPECT_EQ(t.view.bank, "1000");
    EXPECT_EQ(t.view.bets, "25");
    EXPECT_EQ(t.state().increment, 0);  // until the next action reads the text
    EXPECT_EQ(t.view.win, "R0");
    EXPECT_EQ(t.view.stakes[Box::Left], "0");
    EXPECT_EQ(t.view.stakes[Box::Middle], "0");
    EXPECT_EQ(t.view.stakes[Box::Right], "0");
    EXPECT_TRUE(t.view.history.empty());
    EXPECT_EQ(t.state().spinNumber, 0);
    EXPECT_EQ(t.state().winnings, 0);
    EXPECT_EQ(t.state().hitsLeft, 0);
    EXPECT_EQ(t.state().barLeft, 0);
    // Left alone: the chart window's press count, the lines, the lit cell, the cached bank.
    EXPECT_EQ(t.state().windowSpins, 3);
    EXPECT_EQ(t.view.bars[Bar::Left], barBefore);
    EXPECT_EQ(t.view.brightCells(), cellsLit);
    EXPECT_EQ(t.state().bank, 950);
    EXPECT_TRUE(t.services.messages.empty());
}

TEST_P(NewGame, AfterThirtySpinsKeepsThePressCountButNotTheHits) {
    for (int i = 0; i < 30; ++i) t.spin(i % 37);
    press();
    EXPECT_EQ(t.state().windowSpins, 30);
    EXPECT_EQ(t.state().hitsZero + t.state().hitsLeft + t.state().hitsMiddle + t.state().hitsRight,
              0);
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, NewGame, ::testing::Bool(), [](const auto& info) {
    return info.param ? "FromTheMenu" : "FromTheButton";
});

}  // namespace
}  // namespace torvane::testing
