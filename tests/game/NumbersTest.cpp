// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>

#include "game/Columns.h"
#include "game/Failures.h"
#include "game/Generator.h"
#include "game/Numbers.h"

namespace torvane {
namespace {

TEST(StrictReading, AcceptsBlanksSignAndFractionRoundingHalvesToEven) {
    EXPECT_EQ(readStrict("1000", "x"), 1000);
    EXPECT_EQ(readStrict("  42 ", "x"), 42);
    EXPECT_EQ(readStrict("+7", "x"), 7);
    EXPECT_EQ(readStrict("-25", "x"), -25);
    EXPECT_EQ(readStrict("12.5", "x"), 12);
    EXPECT_EQ(readStrict("13.5", "x"), 14);
    EXPECT_EQ(readStrict("-12.5", "x"), -12);
    EXPECT_EQ(readStrict("12.51", "x"), 13);
    EXPECT_EQ(readStrict("12.4999", "x"), 12);
    EXPECT_EQ(readStrict("0.5", "x"), 0);
    EXPECT_EQ(readStrict(".6", "x"), 1);
    EXPECT_EQ(readStrict("9.", "x"), 9);
    EXPECT_EQ(readStrict("99.5", "x"), 100);
    EXPECT_EQ(readStrict("000032767", "x"), 32767);
    EXPECT_EQ(readStrict("-32768", "x"), -32768);
    EXPECT_EQ(readStrict("32767.4", "x"), 32767);
}

TEST(StrictReading, TextThatIsNotANumberIsAConversionFailure) {
    for (const char* text : {"", "   ", "abc", "12abc", "1 2", "--1", "+", ".", "1.2.3", "1e3"}) {
        EXPECT_THROW(readStrict(text, "the money in the bank"), ConversionFailure) << text;
    }
}

TEST(StrictReading, ValuesBeyondSixteenBitsAreOverflowFailures) {
    for (const char* text : {"32768", "-32769", "32767.5", "100000", "99999999999999999999999"}) {
        EXPECT_THROW(readStrict(text, "x"), OverflowFailure) << text;
    }
}

// A message quotes what was typed, but at most its first 40 characters,
// whole ones, and then an ellipsis: a bank of 32767 letters still gives a
// message that fits the screen.
TEST(StrictReading, AFailureQuotesAtMostFortyCharactersOfTheText) {
    const auto reason = [](const std::string& text) {
        try {
            readStrict(text, "the bank");
        } catch (const TableFailure& f) {
            return std::string(f.what());
        }
        return std::string("no failure");
    };
    const std::string forty(40, 'x');
    EXPECT_EQ(reason(forty), "the bank (\"" + forty + "\") is not a number");
    EXPECT_EQ(reason(std::string(32767, 'x')),
              "the bank (\"" + forty + "\u2026\") is not a number");
    EXPECT_EQ(reason(std::string(39, 'x') + "\u03a9\u03a9"),
              "the bank (\"" + std::string(39, 'x') + "\u03a9\u2026\") is not a number");
    EXPECT_EQ(reason(std::string(41, '9')),
              "the bank (\"" + std::string(40, '9') +
                  "\u2026\") is beyond what the table can hold (-32768 to 32767)");
}

TEST(StrictReading, FailureNamesTheControlAndTheText) {
    try {
        readStrict("abc", "the money in the bank");
        FAIL() << "no failure";
    } catch (const ConversionFailure& f) {
        EXPECT_STREQ(f.what(), "the money in the bank (\"abc\") is not a number");
    }
}

TEST(LenientReading, RoundsNumbersAndReadsTheLeadingNumberOfOtherText) {
    EXPECT_EQ(readLenient("0.4"), 0.0);
    EXPECT_EQ(readLenient("0.6"), 1.0);
    EXPECT_EQ(readLenient(" 250 "), 250.0);
    EXPECT_EQ(readLenient("-3"), -3.0);
    EXPECT_EQ(readLenient("12abc"), 12.0);
    EXPECT_EQ(readLenient("12.5abc"), 12.5);
    EXPECT_EQ(readLenient("abc"), 0.0);
    EXPECT_EQ(readLenient(""), 0.0);
    EXPECT_EQ(readLenient("-"), 0.0);
    EXPECT_EQ(readLenient("1e400"), 1.0);
    EXPECT_GT(readLenient(std::string(400, '9')), 1e300);
    EXPECT_EQ(readLenient("0." + std::string(400, '0') + "1x"), 0.0);
}

// The fraction of a text that is not a number is kept as typed, correctly
// rounded to the nearest double, down to the subnormal range, whatever the
// build's library (the browser's has its own way of converting).
TEST(LenientReading, KeepsAFractionAsTypedToTheLastBit) {
    EXPECT_EQ(readLenient("0.1x"), 0.1);
    EXPECT_EQ(readLenient("2.675 coins"), 2.675);
    EXPECT_EQ(readLenient("-123456789.123456789x"), -123456789.123456789);
    EXPECT_EQ(readLenient("0.30000000000000004x"), 0.30000000000000004);
    EXPECT_EQ(readLenient("0." + std::string(315, '0') + "1x"), 1e-316);
    EXPECT_EQ(readLenient("-0." + std::string(320, '0') + "5x"), -5e-321);
    EXPECT_EQ(readLenient("1" + std::string(308, '0') + ".5x"), 1e308);
    EXPECT_EQ(readLenient("2" + std::string(308, '0') + ".5x"),
              std::numeric_limits<double>::infinity());
}

TEST(SixteenBitArithmetic, FailsOutsideTheRange) {
    EXPECT_EQ(checked16(32767, "x"), 32767);
    EXPECT_EQ(checked16(-32768, "x"), -32768);
    EXPECT_THROW(checked16(32768, "the bank"), OverflowFailure);
    EXPECT_THROW(checked16(-32769, "the bank"), OverflowFailure);
    EXPECT_EQ(roundToAmount(37.5, "x"), 38);
    EXPECT_EQ(roundToAmount(-12.5, "x"), -12);
    EXPECT_THROW(roundToAmount(32767.5, "x"), OverflowFailure);
    EXPECT_THROW(roundToAmount(std::numeric_limits<double>::infinity(), "x"), OverflowFailure);
}

TEST(Writing, PlainDigitsAndCurrency) {
    EXPECT_EQ(writeNumber(1000), "1000");
    EXPECT_EQ(writeNumber(-25), "-25");
    EXPECT_EQ(withCurrency(75), "R75");
    EXPECT_EQ(withCurrency(0), "R0");
}

TEST(Columns, ZeroHasNoneAndTheRestFollowTheRemainder) {
    EXPECT_EQ(columnOf(0), Column::None);
    EXPECT_EQ(columnOf(1), Column::Left);
    EXPECT_EQ(columnOf(34), Column::Left);
    EXPECT_EQ(columnOf(2), Column::Middle);
    EXPECT_EQ(columnOf(35), Column::Middle);
    EXPECT_EQ(columnOf(3), Column::Right);
    EXPECT_EQ(columnOf(36), Column::Right);
}

// The sequence from the fixed seed: the first values of the classic BASIC
// generator (0.7055475, 0.533424, 0.5795186, ...), each an exact multiple of
// 2^-24. A wrong seed, multiplier, increment or mask changes them.
TEST(GeneratorTest, StartsWithTheSequenceOfTheFixedSeed) {
    Generator g;
    for (const std::uint32_t expected :
         {11837123u, 8949370u, 9722709u, 4858052u, 5065847u, 12997982u}) {
        EXPECT_EQ(g.next(), static_cast<float>(expected) / 16777216.0f);
    }
}

TEST(GeneratorTest, RestartsIdenticallyAndStaysInTheUnitInterval) {
    Generator a;
    Generator b;
    std::set<int> numbers;
    for (int i = 0; i < 100000; ++i) {
        const float r = a.next();
        ASSERT_EQ(r, b.next());
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        numbers.insert(static_cast<int>(r * 37.0));
    }
    EXPECT_EQ(numbers.size(), 37u);  // every number of the table can come up
}

}  // namespace
}  // namespace torvane
