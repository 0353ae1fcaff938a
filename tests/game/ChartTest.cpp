// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

struct Bars {
    float zero, left, middle, right;
};

void expectBars(const FakeView& v, Bars b) {
    EXPECT_EQ(v.bars.at(Bar::Zero), b.zero);
    EXPECT_EQ(v.bars.at(Bar::Left), b.left);
    EXPECT_EQ(v.bars.at(Bar::Middle), b.middle);
    EXPECT_EQ(v.bars.at(Bar::Right), b.right);
}

TEST(Chart, TwoPressesWithAZeroAndALeftNumber) {
    TableFixture t;
    t.spin(0);
    expectBars(t.view, {420, 420, 420, 420});  // the first press draws nothing
    t.spin(4);
    expectBars(t.view, {500, 500, 1000, 1000});
    EXPECT_EQ(t.state().barZero, 500);
    EXPECT_EQ(t.state().barRight, 1000);
}

TEST(Chart, RoundsHalvesToEven) {
    TableFixture one;
    one.spin(0);
    for (int i = 0; i < 15; ++i) one.spin(1);
    EXPECT_EQ(one.state().barZero, 938);  // 937.5

    TableFixture three;
    for (int i = 0; i < 3; ++i) three.spin(0);
    for (int i = 0; i < 13; ++i) three.spin(1);
    EXPECT_EQ(three.state().barZero, 812);  // 812.5

    TableFixture third;
    third.spin(2);
    third.spin(1);
    third.spin(3);
    EXPECT_EQ(third.state().barMiddle, 667);  // 666.67
}

TEST(Chart, RefusedPressesCountSoTheBarsFallShort) {
    TableFixture t;
    t.view.bank = "0";
    t.spinAsScripted();
    t.view.bank = "1000";
    t.spin(3);
    EXPECT_EQ(t.state().windowSpins, 2);
    EXPECT_EQ(t.state().hitsRight, 1);
    EXPECT_EQ(t.view.bars[Bar::Right], 500);
}

TEST(Chart, TheFiftiethPressDrawsThenClosesTheWindow) {
    TableFixture t;
    for (int i = 0; i < 49; ++i) t.spin(1);
    t.spin(0);
    expectBars(t.view, {980, 20, 1000, 1000});  // drawn from 50 presses
    EXPECT_EQ(t.state().windowSpins, 0);
    EXPECT_EQ(t.state().hitsLeft, 0);
    EXPECT_EQ(t.state().barLeft, 0);

    t.spin(2);  // 51st: the first of a new window
    expectBars(t.view, {980, 20, 1000, 1000});
    t.spin(2);  // 52nd: drawn from two presses
    expectBars(t.view, {1000, 1000, 0, 1000});
}

TEST(Chart, RefusalsCanCarryTheWindowPastFifty) {
    TableFixture t;
    for (int i = 0; i < 49; ++i) t.spin(1);
    t.view.bank = "0";
    for (int i = 0; i < 3; ++i) t.spinAsScripted();
    EXPECT_EQ(t.state().windowSpins, 52);
    t.view.bank = "1000";
    t.spin(1);
    // 50 left numbers over 53 presses: 1000 - 943.396 = 56.6 -> 57.
    EXPECT_EQ(t.view.bars[Bar::Left], 57);
    EXPECT_EQ(t.state().windowSpins, 0);
    EXPECT_EQ(t.state().hitsLeft, 0);
}

// Each redraw tells the view the hits and presses behind every line, counted
// before a closing window clears them; the first press of a window and New
// Game tell it nothing.
TEST(Chart, EachRedrawSaysWhatTheLinesAreDrawnFrom) {
    TableFixture t;
    t.view.bank = "0";
    t.spinAsScripted();  // refused, but a press of the window
    t.view.bank = "1000";
    EXPECT_TRUE(t.view.shares.empty());
    t.spin(3);
    EXPECT_EQ(t.view.shares.at(Bar::Right), (BarShare{1, 2}));
    EXPECT_EQ(t.view.shares.at(Bar::Zero), (BarShare{0, 2}));

    t.newGame();
    EXPECT_EQ(t.view.shares.at(Bar::Right), (BarShare{1, 2}));
    for (int i = 3; i < 50; ++i) t.spin(1);
    t.spin(0);  // the 50th press: drawn from all fifty, then cleared
    EXPECT_EQ(t.view.shares.at(Bar::Left), (BarShare{47, 50}));
    EXPECT_EQ(t.view.shares.at(Bar::Zero), (BarShare{1, 50}));
    EXPECT_EQ(t.view.shares.at(Bar::Right), (BarShare{0, 50}));
    t.spin(2);  // the first press of the next window draws nothing
    EXPECT_EQ(t.view.shares.at(Bar::Middle), (BarShare{0, 50}));
}

}  // namespace
}  // namespace torvane::testing
