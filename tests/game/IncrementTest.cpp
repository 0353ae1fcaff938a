// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

const Message kMaximum{"Maximum increment for Torvane is R2500", MessageStyle::Plain, "Torvane"};
const Message kMinimum{"Minimum increment for Torvane is R25", MessageStyle::Plain, "Torvane"};

struct Step {
    const char* typed;
    const char* shown;
    bool message;
};

void PrintTo(const Step& s, std::ostream* os) {
    *os << '"' << s.typed << "\" gives \"" << s.shown << '"'
        << (s.message ? " with the message" : "");
}

// "From1250", "FromMinus30", "From12_5": the typed text as a test name.
std::string stepName(const ::testing::TestParamInfo<Step>& info) {
    std::string name = "From";
    for (const char* c = info.param.typed; *c != 0; ++c) {
        if (*c == '-') {
            name += "Minus";
        } else if (*c == '.') {
            name += '_';
        } else {
            name += *c;
        }
    }
    return name;
}

class Doubling : public ::testing::TestWithParam<Step> {};
class Halving : public ::testing::TestWithParam<Step> {};

TEST_P(Doubling, DoublesUpToTheMaximum) {
    TableFixture t;
    t.view.bets = GetParam().typed;
    t.doubleUp();
    EXPECT_EQ(t.view.bets, GetParam().shown);
    EXPECT_EQ(t.state().increment, std::stoi(GetParam().shown));
    if (GetParam().message) {
        ASSERT_EQ(t.services.messages.size(), 1u);
        EXPECT_EQ(t.lastMessage(), kMaximum);
    } else {
        EXPECT_TRUE(t.services.messages.empty());
    }
}

TEST_P(Halving, HalvesDownToTheMinimumRoundingHalvesToEven) {
    TableFixture t;
    t.view.bets = GetParam().typed;
    t.halve();
    EXPECT_EQ(t.view.bets, GetParam().shown);
    if (GetParam().message) {
        ASSERT_EQ(t.services.messages.size(), 1u);
        EXPECT_EQ(t.lastMessage(), kMinimum);
    } else {
        EXPECT_TRUE(t.services.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Increments, Doubling,
                         ::testing::Values(Step{"1250", "2500", false}, Step{"1251", "2500", true},
                                           Step{"0", "0", false}, Step{"-30", "-60", false},
                                           Step{"10", "20", false}, Step{"12.5", "24", false},
                                           Step{"16383", "2500", true}),
                         stepName);

INSTANTIATE_TEST_SUITE_P(Increments, Halving,
                         ::testing::Values(Step{"50", "25", false}, Step{"25", "25", true},
                                           Step{"75", "38", false}, Step{"51", "26", false},
                                           Step{"53", "26", false}, Step{"0", "25", true},
                                           Step{"-100", "25", true}, Step{"9000", "4500", false}),
                         stepName);

TEST(Doubling, BeyondSixteenBitsIsReportedAndLeavesTheText) {
    TableFixture t;
    t.view.bets = "16384";
    t.doubleUp();
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.lastMessage().title, "Torvane");
    EXPECT_NE(t.lastMessage().prompt.find("twice the bet increment would go beyond"),
              std::string::npos);
    EXPECT_EQ(t.view.bets, "16384");
    EXPECT_EQ(t.state().increment, 16384);  // read and stored before the doubling failed
}

TEST(Halving, TextThatIsNotANumberIsReported) {
    TableFixture t;
    t.view.bets = "";
    t.halve();
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_NE(t.lastMessage().prompt.find("the bet increment is empty"), std::string::npos);
    EXPECT_EQ(t.view.bets, "");
}

}  // namespace
}  // namespace torvane::testing
