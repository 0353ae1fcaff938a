// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

const Message kNoFunds{"To continue u must deposit more money in the bank.", MessageStyle::Critical,
                       "No Funds Available"};

TEST(FundsCheck, AnEmptyBankWithoutStakesRefusesAndOnlyCountsThePress) {
    for (const char* bank : {"0", "letters", "-5", "0.4", ""}) {
        TableFixture t;
        t.view.bank = bank;
        t.services.second = 5;
        t.spinAsScripted();
        ASSERT_EQ(t.services.messages.size(), 1u) << bank;
        EXPECT_EQ(t.lastMessage(), kNoFunds);
        EXPECT_EQ(t.state().windowSpins, 1);
        EXPECT_EQ(t.state().spinNumber, 0);
        EXPECT_EQ(t.services.randomsTaken, 0);
        EXPECT_EQ(t.view.brightCells(), 0);
        EXPECT_TRUE(t.view.history.empty());
        EXPECT_EQ(t.view.bank, bank);
    }
}

TEST(FundsCheck, ABankThatRoundsUpOrAStakeLetsTheSpinGoAhead) {
    TableFixture rounded;
    rounded.view.bank = "0.6";
    rounded.spin(4);
    EXPECT_TRUE(rounded.services.messages.empty());
    EXPECT_EQ(rounded.view.history.size(), 1u);

    TableFixture staked;
    staked.click(Box::Left);  // bank 975
    staked.view.bank = "0";
    staked.spin(7);
    EXPECT_TRUE(staked.services.messages.empty());
    EXPECT_EQ(staked.view.win, "R75");
}

TEST(Draw, SecondZeroDrawsZeroWithoutConsumingTheGenerator) {
    TableFixture t;
    t.services.second = 0;
    t.services.randoms = {0.5f};
    t.spinAsScripted();  // a normal spin: the bank holds 1000
    EXPECT_EQ(t.services.randomsTaken, 0);
    EXPECT_EQ(t.view.cells[0], kCellBrightGreen);
    EXPECT_EQ(t.view.history.back(), "0001   0");
}

TEST(Draw, SecondSConsumesSValuesAndTheLastOneDecides) {
    TableFixture t;
    t.services.second = 4;
    t.services.randoms = {0.99f, 0.0f, 0.5f, 10.5f / 37, 0.7f};
    t.spinAsScripted();
    EXPECT_EQ(t.services.randomsTaken, 4);
    EXPECT_EQ(t.services.randoms.size(), 1u);
    EXPECT_EQ(t.view.history.back(), "0001   10");
    EXPECT_EQ(t.view.cells[10], kCellBrightGreen);
    EXPECT_EQ(t.view.brightCells(), 1);
}

// Every second of the clock: the spin takes exactly that many values and the
// last one decides, so the generator advances by the second on every spin.
TEST(Draw, TakesOneGeneratorValuePerSecondOfTheClock) {
    for (int second = 0; second < 60; ++second) {
        TableFixture t;
        t.services.second = second;
        for (int i = 0; i < second; ++i) {
            t.services.randoms.push_back(valueDrawing(i % 37));
        }
        t.services.randoms.push_back(0.99f);  // never taken
        ASSERT_TRUE(t.spinAsScripted());
        EXPECT_EQ(t.services.randomsTaken, second);
        EXPECT_EQ(t.services.randoms.size(), 1u);
        const int expected = second == 0 ? 0 : (second - 1) % 37;
        EXPECT_EQ(t.view.history.back(), "0001   " + std::to_string(expected)) << second;
    }
}

TEST(Draw, OnlyTheDrawnCellIsBright) {
    TableFixture t;
    t.spin(17);
    t.spin(36);
    EXPECT_EQ(t.view.cells[36], kCellBrightGreen);
    EXPECT_EQ(t.view.cells[17], kCellDarkGreen);
    EXPECT_EQ(t.view.brightCells(), 1);
}

TEST(Draw, AGeneratorOutsideTheUnitIntervalStillLandsOnTheTable) {
    TableFixture t;
    t.services.second = 2;
    t.services.randoms = {-0.5f, 1.0f};
    t.spinAsScripted();
    EXPECT_EQ(t.view.cells[36], kCellBrightGreen);
}

struct PayoutCase {
    const char* name;
    int left, middle, right;
    int number;
    int won;
};

void PrintTo(const PayoutCase& c, std::ostream* os) {
    *os << c.name << ": stakes " << c.left << "/" << c.middle << "/" << c.right << ", number "
        << c.number;
}

class Payout : public ::testing::TestWithParam<PayoutCase> {};

TEST_P(Payout, PaysThreeTimesTheWinningColumnAndClearsTheStakes) {
    const PayoutCase& c = GetParam();
    TableFixture t;
    t.state().betLeft = static_cast<Amount>(c.left);
    t.state().betMiddle = static_cast<Amount>(c.middle);
    t.state().betRight = static_cast<Amount>(c.right);
    t.state().increment = 25;
    t.spin(c.number);
    EXPECT_EQ(t.state().winnings, c.won);
    EXPECT_EQ(t.view.win, "R" + std::to_string(c.won));
    for (Box b : {Box::Left, Box::Middle, Box::Right}) EXPECT_EQ(t.view.stakes[b], "0");
    EXPECT_EQ(t.state().betLeft + t.state().betMiddle + t.state().betRight, 0);
    EXPECT_EQ(t.view.bank, "1000");  // the spin never touches the bank
}

INSTANTIATE_TEST_SUITE_P(Columns, Payout,
                         ::testing::Values(PayoutCase{"LeftWins", 25, 0, 0, 7, 75},
                                           PayoutCase{"LeftLoses", 25, 0, 0, 8, 0},
                                           PayoutCase{"LeftOnZero", 25, 0, 0, 0, 0},
                                           PayoutCase{"MiddleWins", 0, 50, 0, 35, 150},
                                           PayoutCase{"RightWins", 0, 0, 100, 36, 300},
                                           PayoutCase{"TwoStakesOnZero", 50, 25, 0, 0, 0},
                                           PayoutCase{"TwoStakesOneWins", 50, 25, 0, 2, 75},
                                           PayoutCase{"EqualStakesOnZero", 25, 25, 25, 0, 75},
                                           PayoutCase{"EqualStakesOnAny", 25, 25, 25, 19, 75},
                                           PayoutCase{"EqualLargeStakes", 5000, 5000, 5000, 3,
                                                      15000},
                                           PayoutCase{"NoStakes", 0, 0, 0, 5, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Payout, WinningsAccumulateAcrossSpins) {
    TableFixture t;
    t.click(Box::Left);
    t.spin(1);
    t.click(Box::Left);
    t.spin(4);
    EXPECT_EQ(t.view.win, "R150");
}

TEST(Payout, ANegativeIncrementLeavesItsNegationOnEveryColumn) {
    TableFixture t;
    t.state().betMiddle = 50;
    t.state().betRight = 25;
    t.state().increment = -25;
    t.spin(5);
    EXPECT_EQ(t.state().winnings, 150);
    for (Box b : {Box::Left, Box::Middle, Box::Right}) EXPECT_EQ(t.view.stakes[b], "25");
}

TEST(Payout, ANegativeIncrementLeavesNothingOnZeroOrWithEqualStakes) {
    TableFixture zero;
    zero.state().betMiddle = 50;
    zero.state().increment = -25;
    zero.spin(0);
    EXPECT_EQ(zero.state().betLeft + zero.state().betMiddle + zero.state().betRight, 0);

    TableFixture equal;
    equal.state().betLeft = equal.state().betMiddle = equal.state().betRight = 25;
    equal.state().increment = -25;
    equal.spin(5);
    EXPECT_EQ(equal.state().winnings, 75);
    for (Box b : {Box::Left, Box::Middle, Box::Right}) EXPECT_EQ(equal.view.stakes[b], "0");
}

TEST(History, LinesAreFourDigitSpinNumberThreeBlanksAndTheNumber) {
    TableFixture t;
    for (int i = 0; i < 6; ++i) t.spin(0);
    t.spin(23);
    EXPECT_EQ(t.view.history.back(), "0007   23");
}

TEST(History, HoldsTheLastTenSpinsOldestFirst) {
    TableFixture t;
    for (int i = 1; i <= 11; ++i) t.spin(i);
    ASSERT_EQ(t.view.history.size(), 10u);
    EXPECT_EQ(t.view.history.front(), "0002   2");
    EXPECT_EQ(t.view.history.back(), "0011   11");
}

TEST(History, SpinNumbersWrapAfterOneThousand) {
    TableFixture t;
    for (int i = 0; i < 1000; ++i) t.spin(1);
    EXPECT_EQ(t.view.history.back(), "1000   1");
    t.spin(0);
    EXPECT_EQ(t.view.history.back(), "0001   0");
    EXPECT_EQ(t.state().spinNumber, 1);
}

TEST(SpinFailure, AnOverflowingPayoutStopsAfterTheDrawAndPlayGoesOn) {
    TableFixture t;
    t.state().winnings = 32000;
    t.state().betLeft = 300;
    t.spin(1);

    ASSERT_EQ(t.services.messages.size(), 1u);
    const Message& m = t.lastMessage();
    EXPECT_EQ(m.style, MessageStyle::Critical);
    EXPECT_EQ(m.title, "Torvane");
    EXPECT_EQ(m.prompt.rfind("The spin could not be completed: the winnings would go beyond what "
                             "the table can hold (-32768 to 32767).",
                             0),
              0u)
        << m.prompt;
    EXPECT_EQ(t.view.cells[1], kCellBrightGreen);  // lit
    EXPECT_EQ(t.state().hitsLeft, 1);              // counted
    EXPECT_TRUE(t.view.history.empty());           // not written
    EXPECT_EQ(t.state().winnings, 32000);
    EXPECT_EQ(t.view.win, "R0");

    t.view.bank = "1000";
    t.state().betLeft = 0;
    t.spin(2);
    EXPECT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.view.history.size(), 1u);
}

// A failed payout changes nothing of the stakes or winnings, so the captions
// still show what is on the table and no stake is paid twice.
TEST(SpinFailure, AnIncrementThatCannotBeNegatedStopsBeforeThePayout) {
    TableFixture t;
    t.view.bets = "-16384";
    t.doubleUp();  // -32768
    t.view.bets = "25";
    t.click(Box::Left);
    t.state().increment = -32768;
    t.spin(1);
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_NE(t.lastMessage().prompt.find("the next stake would go beyond"), std::string::npos);
    EXPECT_EQ(t.state().winnings, 0);
    EXPECT_EQ(t.state().betLeft, 25);
    EXPECT_EQ(t.view.stakes[Box::Left], "25");
    EXPECT_EQ(t.view.cells[1], kCellBrightGreen);
}

TEST(SpinFailure, OverflowingEqualStakesStayOnTheTable) {
    TableFixture t;
    t.state().winnings = 30000;
    t.state().betLeft = t.state().betMiddle = t.state().betRight = 1000;
    t.spin(9);
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.state().winnings, 30000);
    EXPECT_EQ(t.state().betLeft + t.state().betMiddle + t.state().betRight, 3000);
}

}  // namespace
}  // namespace torvane::testing
