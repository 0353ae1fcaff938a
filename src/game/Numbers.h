// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lang/Language.h"

// How the game reads numbers from control texts, writes them back, and keeps
// every amount within a signed 16-bit range.
namespace torvane {

using Amount = std::int16_t;

inline constexpr int kAmountMin = -32768;
inline constexpr int kAmountMax = 32767;

// Narrows an intermediate result to an Amount. Amounts are added, subtracted,
// multiplied and negated as int (no wrap-around possible) and then passed
// through here; a result outside the 16-bit range is an OverflowFailure that
// names `what`, e.g. checked16(bank + increment, "the bank").
Amount checked16(long long value, const lang::Text& what);

// A number, as the readers accept it: surrounding blanks (space, tab, line
// feed, vertical tab, form feed, carriage return), an optional sign (+ or -),
// then decimal digits with an optional decimal fraction: digits, optionally
// followed by a point and more digits ("12", "12.", "12.5"), or a point and
// at least one digit (".5"). Nothing else: no exponent, no grouping, no
// hexadecimal, no blank between the sign and the digits.
//
// Strict reading: the whole text must be such a number; its value is rounded
// to the nearest integer, halves to even (12.5 -> 12, 13.5 -> 14), exactly on
// the decimal digits. Any other text, the empty text included, is a
// ConversionFailure; a value outside the 16-bit range an OverflowFailure.
// `what` names the control in the failure message ("the money in the bank").
Amount readStrict(std::string_view text, const lang::Text& what);

// Lenient reading: a text that is a number is rounded to a whole number
// (halves to even); any other text is read, after its leading blanks, as far
// as it forms a number, unrounded ("12.5abc" -> 12.5), and reads 0 when it
// does not begin with one ("abc" -> 0). Never fails.
double readLenient(std::string_view text);

// Rounds a real number to an Amount, halves to even; OverflowFailure outside
// the 16-bit range.
Amount roundToAmount(double value, const lang::Text& what);

// Plain decimal digits, a leading minus when negative, no grouping.
std::string writeNumber(int value);

// An amount with the currency prefix: "R75".
std::string withCurrency(int value);

}  // namespace torvane
