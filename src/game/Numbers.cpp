// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "game/Numbers.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "game/Failures.h"
#include "game/Texts.h"

namespace torvane {
namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as written: sign, digits before and after the point.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

// Reads an optional sign, digits and an optional fraction from the start of
// `text`. Returns the number and how many characters it took, or nothing when
// there is no digit.
std::optional<Decimal> scanDecimal(std::string_view text, std::size_t& used) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
    while (i < text.size() && isDigit(text[i])) d.whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && isDigit(text[j])) fraction += text[j++];
        if (!d.whole.empty() || !fraction.empty()) {
            d.fraction = std::move(fraction);
            i = j;
        }
    }
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    used = i;
    return d;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The whole text (blanks aside) as a number, or nothing.
std::optional<Decimal> parseWhole(std::string_view text) {
    text = trimBlanks(text);
    std::size_t used = 0;
    auto d = scanDecimal(text, used);
    if (!d || used != text.size()) return std::nullopt;
    return d;
}

// Rounds exactly on the decimal digits, halves to the even neighbour.
// Returns the integer's digits without leading zeros ("" for zero).
std::string roundHalfEven(const Decimal& d) {
    std::string digits = d.whole;
    bool up = false;
    if (!d.fraction.empty()) {
        const char first = d.fraction.front();
        const bool restZero = d.fraction.find_first_not_of('0', 1) == std::string::npos;
        if (first > '5' || (first == '5' && !restZero)) {
            up = true;
        } else if (first == '5') {
            const int last = digits.empty() ? 0 : digits.back() - '0';
            up = last % 2 == 1;
        }
    }
    if (up) {
        int pos = static_cast<int>(digits.size()) - 1;
        while (pos >= 0 && digits[static_cast<std::size_t>(pos)] == '9') {
            digits[static_cast<std::size_t>(pos)] = '0';
            --pos;
        }
        if (pos < 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[static_cast<std::size_t>(pos)];
        }
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string() : digits.substr(firstNonZero);
}

// Locale-independent conversion of plain digits with an optional point,
// correctly rounded; a value too large for a double reads as infinity, one
// too small even for a subnormal double as 0.
double toDouble(const std::string& number) {
    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    const bool outOfRange = error == std::errc::result_out_of_range;
#else
    // A library without a floating-point from_chars (emscripten's libc++):
    // strtod, which reads '.' there whatever the locale, rounds correctly
    // too, and reports a subnormal result as out of range while giving it.
    errno = 0;
    value = std::strtod(number.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE && std::fpclassify(value) != FP_SUBNORMAL;
#endif
    if (outOfRange) {
        // Out of range with a non-zero whole part is too large; otherwise too small.
        const std::string whole = number.substr(0, number.find('.'));
        if (whole.find_first_of("123456789") == std::string::npos) return 0.0;
        const bool negative = number.front() == '-';
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

// What the range failures name as the limit.
const char* range() {
    return lang::text(texts::kRange);
}

// A typed text in a message (the template puts it in quotes): at most its first 40 characters
// (whole characters of its UTF-8), then an ellipsis, so that whatever was
// typed the message fits the screen.
std::string excerpt(std::string_view text) {
    constexpr int kShown = 40;
    std::size_t end = 0;
    int characters = 0;
    while (end < text.size() && characters < kShown) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        ++characters;
    }
    const std::string shown(text.substr(0, end));
    return shown + (end < text.size() ? "\u2026" : "");
}

}  // namespace

Amount checked16(long long value, const lang::Text& what) {
    if (value < kAmountMin || value > kAmountMax) {
        throw OverflowFailure(
            lang::format(lang::text(texts::kWouldGoBeyond), {lang::text(what), range()}));
    }
    return static_cast<Amount>(value);
}

Amount readStrict(std::string_view text, const lang::Text& what) {
    const auto d = parseWhole(text);
    if (!d) {
        if (trimBlanks(text).empty())
            throw ConversionFailure(lang::format(lang::text(texts::kIsEmpty), {lang::text(what)}));
        throw ConversionFailure(
            lang::format(lang::text(texts::kNotANumber), {lang::text(what), excerpt(text)}));
    }
    const std::string digits = roundHalfEven(*d);
    // Six digits or more can never fit; fewer are converted exactly.
    const long long magnitude = digits.size() > 5 ? kAmountMax + 2LL : std::atoll(digits.c_str());
    const long long value = d->negative ? -magnitude : magnitude;
    if (value < kAmountMin || value > kAmountMax) {
        throw OverflowFailure(lang::format(lang::text(texts::kTypedBeyond),
                                           {lang::text(what), excerpt(text), range()}));
    }
    return static_cast<Amount>(value);
}

double readLenient(std::string_view text) {
    if (const auto d = parseWhole(text)) {
        const std::string digits = roundHalfEven(*d);
        const double magnitude = digits.empty() ? 0.0 : toDouble(digits);
        return d->negative ? -magnitude : magnitude;
    }
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    std::size_t used = 0;
    const auto d = scanDecimal(text, used);
    if (!d) return 0.0;
    const std::string number = std::string(d->negative ? "-" : "") +
                               (d->whole.empty() ? "0" : d->whole) + "." + d->fraction + "0";
    return toDouble(number);
}

Amount roundToAmount(double value, const lang::Text& what) {
    const double rounded = std::nearbyint(value);  // default rounding: halves to even
    if (!(rounded >= kAmountMin && rounded <= kAmountMax)) {
        throw OverflowFailure(
            lang::format(lang::text(texts::kBeyond), {lang::text(what), range()}));
    }
    return static_cast<Amount>(rounded);
}

std::string writeNumber(int value) {
    return std::to_string(value);
}

std::string withCurrency(int value) {
    return "R" + writeNumber(value);
}

}  // namespace torvane
