// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

const char* const kNoMoney = "Bet increment to big or no money in the bank!";

class EveryBox : public ::testing::TestWithParam<Box> {
  protected:
    Box box = GetParam();
    TableFixture t;
};

TEST_P(EveryBox, LeftClicksPlaceAndRightClicksTakeBack) {
    t.click(box);
    EXPECT_EQ(t.view.bank, "975");
    EXPECT_EQ(t.view.stakes[box], "25");
    t.click(box);
    EXPECT_EQ(t.view.bank, "950");
    EXPECT_EQ(t.view.stakes[box], "50");
    t.click(box, kRightButton);
    EXPECT_EQ(t.view.bank, "975");
    EXPECT_EQ(t.view.stakes[box], "25");
    t.click(box, kRightButton);
    EXPECT_EQ(t.view.bank, "1000");
    EXPECT_EQ(t.view.stakes[box], "0");
    EXPECT_TRUE(t.services.messages.empty());
    EXPECT_EQ(t.view.bets, "25");  // the bet boxes never rewrite the increment
}

TEST_P(EveryBox, MiddleButtonPlacesAndModifiersAndPositionDoNotMatter) {
    t.click(box, kMiddleButton);
    EXPECT_EQ(t.view.stakes[box], "25");
    t.click(box, kLeftButton, kShiftMask | kCtrlMask | kAltMask);
    EXPECT_EQ(t.view.stakes[box], "50");
    t.click(box, kRightButton, kShiftMask);
    t.click(box, kRightButton, kCtrlMask);
    EXPECT_EQ(t.view.stakes[box], "0");
    EXPECT_EQ(t.view.bank, "1000");

    TableFixture far;
    far.table.bet(Box::Left, kLeftButton, 0, -1e9f, 3e7f);
    EXPECT_EQ(far.view.stakes[Box::Left], "25");
}

TEST_P(EveryBox, RightClickOnAnEmptyBoxRefusesAndRewritesAsRead) {
    t.view.bank = "1000.4";
    t.click(box, kRightButton);
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage(), (Message{"You have no more bets to deposit in bank.",
                                        MessageStyle::Critical, "No Bets Left"}));
    EXPECT_EQ(t.view.bank, "1000");
    EXPECT_EQ(t.view.stakes[box], "0");
}

TEST_P(EveryBox, IncrementAboveTheBankIsRefusedWithTheBoxTitleAndNothingRewritten) {
    t.view.bank = "20.0";
    t.click(box);
    ASSERT_EQ(t.services.messages.size(), 1u);
    const char* title = box == Box::Left ? "No Money In Bank" : "Increment To High";
    EXPECT_EQ(t.lastMessage(), (Message{kNoMoney, MessageStyle::Critical, title}));
    EXPECT_EQ(t.view.bank, "20.0");
    EXPECT_EQ(t.view.stakes[box], "0");
}

TEST_P(EveryBox, TheLastOfTheBankCanBeStakedThenNoMore) {
    t.view.bank = "25";
    t.click(box);
    EXPECT_EQ(t.view.bank, "0");
    EXPECT_TRUE(t.services.messages.empty());
    t.click(box);
    EXPECT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.view.stakes[box], "25");
}

TEST_P(EveryBox, AnEmptyBankWithAZeroIncrementIsRefusedAndRewritten) {
    t.view.bank = "0.4";
    t.view.bets = "0";
    t.click(box);
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage(), (Message{kNoMoney, MessageStyle::Critical, "No Money In Bank!"}));
    EXPECT_EQ(t.view.bank, "0");
}

TEST_P(EveryBox, AZeroIncrementMovesNothingAndSaysNothing) {
    t.view.bank = "100";
    t.view.bets = "0";
    t.click(box);
    t.click(box, kRightButton);  // stake 0: "No Bets Left"
    EXPECT_EQ(t.services.messages.size(), 1u);
    t.view.stakes[box] = "50";
    t.click(box, kRightButton);
    t.click(box);
    EXPECT_EQ(t.view.stakes[box], "50");
    EXPECT_EQ(t.view.bank, "100");
    EXPECT_EQ(t.services.messages.size(), 1u);
}

TEST_P(EveryBox, ANegativeIncrementMovesMoneyTheOtherWay) {
    t.view.bank = "100";
    t.view.bets = "-25";
    t.click(box);
    EXPECT_EQ(t.view.bank, "125");
    EXPECT_EQ(t.view.stakes[box], "-25");
    EXPECT_EQ(t.bankPlusStakes(), 100);
    t.click(box, kRightButton);
    EXPECT_EQ(t.lastMessage().title, "No Bets Left");
    EXPECT_EQ(t.bankPlusStakes(), 100);
}

TEST_P(EveryBox, AFractionalIncrementIsUsedRoundedAndKeptAsTyped) {
    t.view.bets = "30.5";
    t.click(box);
    EXPECT_EQ(t.state().increment, 30);
    EXPECT_EQ(t.view.stakes[box], "30");
    EXPECT_EQ(t.view.bets, "30.5");
}

// Changes to the original rules so that no money is lost or made.
TEST_P(EveryBox, TakingBackReturnsExactlyWhatLeavesTheStake) {
    t.view.stakes[box] = "30";
    t.view.bank = "970";
    t.click(box, kRightButton);  // the stake drops below 25 and is cleared
    EXPECT_EQ(t.view.stakes[box], "0");
    EXPECT_EQ(t.view.bank, "1000");

    t.view.bets = "10";
    t.click(box);
    EXPECT_EQ(t.view.bank, "990");
    t.view.bets = "25";
    t.click(box, kRightButton);  // stake 10, increment 25: the bank gets 10, not 25
    EXPECT_EQ(t.view.stakes[box], "0");
    EXPECT_EQ(t.view.bank, "1000");
}

TEST_P(EveryBox, PlacingAtTheMaximumChargesOnlyWhatTheStakeRoseBy) {
    const Message maximum{"5000 is the maximum bet for Torvane.", MessageStyle::Critical,
                          "Maximum Bets"};
    t.view.stakes[box] = "4975";
    t.click(box);  // exactly 5000 is allowed: only going above it is cut back
    EXPECT_EQ(t.view.stakes[box], "5000");
    EXPECT_EQ(t.view.bank, "975");
    EXPECT_TRUE(t.services.messages.empty());

    t.view.stakes[box] = "4990";
    t.click(box);
    EXPECT_EQ(t.view.stakes[box], "5000");
    EXPECT_EQ(t.view.bank, "965");
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage(), maximum);

    t.click(box);  // already at the maximum: costs nothing
    EXPECT_EQ(t.view.stakes[box], "5000");
    EXPECT_EQ(t.view.bank, "965");
    EXPECT_EQ(t.services.messages.size(), 2u);
    EXPECT_EQ(t.lastMessage(), maximum);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EveryBox, ::testing::Values(Box::Left, Box::Middle, Box::Right),
                         [](const auto& info) { return std::string(boxName(info.param)); });

TEST(MessagesShowTheOldValues, TheMaximumBetMessageComesBeforeTheWriteBack) {
    // A message service that looks at the controls while the box is open.
    struct Peeking : FakeServices {
        FakeView* view = nullptr;
        std::string bankSeen, stakeSeen;
        void showMessage(const Message& m) override {
            FakeServices::showMessage(m);
            bankSeen = view->bank;
            stakeSeen = view->stakes[Box::Middle];
        }
    };
    FakeView view;
    Peeking services;
    services.view = &view;
    Table table(view, services);
    table.load();
    view.stakes[Box::Middle] = "4990";
    table.bet(Box::Middle, kLeftButton);
    EXPECT_EQ(services.bankSeen, "1000");
    EXPECT_EQ(services.stakeSeen, "4990");
    EXPECT_EQ(view.stakes[Box::Middle], "5000");
}

TEST(BankOfLetters, LeftAndMiddleBoxesReportAConversionFailure) {
    for (Box box : {Box::Left, Box::Middle}) {
        TableFixture t;
        t.view.bank = "abc";
        t.click(box);
        ASSERT_EQ(t.services.messages.size(), 1u);
        EXPECT_EQ(t.lastMessage().title, "Torvane");
        EXPECT_EQ(t.lastMessage().style, MessageStyle::Critical);
        EXPECT_NE(t.lastMessage().prompt.find("the money in the bank (\"abc\") is not a number"),
                  std::string::npos);
        EXPECT_EQ(t.view.bank, "abc");
        EXPECT_EQ(t.view.stakes[box], "0");

        t.view.bank = "500";  // play goes on
        t.click(box);
        EXPECT_EQ(t.view.bank, "475");
    }
}

TEST(BankOfLetters, TheRightBoxReadsThemAsZero) {
    TableFixture t;
    t.view.bank = "abc";
    t.click(Box::Right);
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage().title, "Increment To High");
    EXPECT_EQ(t.view.bank, "abc");

    t.view.stakes[Box::Right] = "25";
    t.click(Box::Right, kRightButton);
    EXPECT_EQ(t.view.bank, "25");
    EXPECT_EQ(t.view.stakes[Box::Right], "0");
}

TEST(ReadingFailures, StoreWhatWasReadBeforeTheFailure) {
    TableFixture t;
    t.view.bank = "700";
    t.view.bets = "x";
    t.click(Box::Left);
    EXPECT_EQ(t.state().bank, 700);  // stored before the increment failed
    EXPECT_EQ(t.view.stakes[Box::Left], "0");
    EXPECT_NE(t.lastMessage().prompt.find("the bet increment (\"x\") is not a number"),
              std::string::npos);

    t.view.bets = "25";
    t.view.bank = "40000";
    t.click(Box::Right);
    EXPECT_NE(t.lastMessage().prompt.find("beyond what the table can hold (-32768 to 32767)"),
              std::string::npos);
    EXPECT_EQ(t.view.bank, "40000");
}

TEST(ArithmeticFailures, ABankThatWouldOverflowKeepsTheStakeWhereItWas) {
    TableFixture t;
    t.view.bank = "32767";
    t.view.stakes[Box::Left] = "50";
    t.click(Box::Left, kRightButton);
    EXPECT_NE(t.lastMessage().prompt.find("the bank would go beyond"), std::string::npos);
    EXPECT_EQ(t.state().betLeft, 50);
    EXPECT_EQ(t.view.stakes[Box::Left], "50");
    EXPECT_EQ(t.view.bank, "32767");
}

TEST(Conservation, BankPlusStakesIsKeptByEveryBetAction) {
    TableFixture t;
    const int increments[] = {25, 10, 40, -25, 7, 0, 3000, -100};
    int n = 0;
    for (int inc : increments) {
        t.view.bets = std::to_string(inc);
        for (Box box : {Box::Left, Box::Middle, Box::Right}) {
            for (Amount button : {kLeftButton, kRightButton, kLeftButton, kMiddleButton}) {
                const int before = readStrict(t.view.bank, "") + t.state().betLeft +
                                   t.state().betMiddle + t.state().betRight;
                t.click(box, button);
                ++n;
                EXPECT_EQ(t.bankPlusStakes(), before) << "action " << n;
            }
        }
    }
}

}  // namespace
}  // namespace torvane::testing
