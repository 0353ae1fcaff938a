// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The readers of typed text, against a reference written here: the input is
// a control text (any bytes), read strictly, leniently, and leniently then
// rounded as the right bet box reads the bank.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "game/Failures.h"
#include "game/Numbers.h"

namespace {

using torvane::Amount;

// The grammar of a number as game/Numbers.h states it.
const std::string kBlanks = "[ \\t\\n\\v\\f\\r]*";
const std::string kNumber = "[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)";
const std::regex kWhole("^" + kBlanks + kNumber + kBlanks + "$");
const std::regex kLeading("^" + kBlanks + "(" + kNumber + ")");

// libstdc++'s regex recurses per character; longer texts still go through
// the readers, only without the reference.
constexpr std::size_t kReferenceLimit = 512;

[[noreturn]] void fail(const std::string& text, const char* what) {
    std::fprintf(stderr, "readers: %s for the text \"%s\"\n", what, text.c_str());
    std::abort();
}

// Digits that carry the value: without leading zeros and trailing zeros.
std::size_t significantDigits(const std::string& number) {
    std::string digits;
    for (char c : number) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const auto last = digits.find_last_not_of('0');
    return last - first + 1;
}

// strtod's value rounded to an integer, halves to even.
double roundedValue(const std::string& number) {
    return std::nearbyint(std::strtod(number.c_str(), nullptr));
}

bool inRange(double value) {
    return value >= torvane::kAmountMin && value <= torvane::kAmountMax;
}

enum class Outcome { Value, Conversion, Overflow };

template <class Reader>
Outcome attempt(Reader&& read, double& value) {
    try {
        value = read();
        return Outcome::Value;
    } catch (const torvane::ConversionFailure&) {
        return Outcome::Conversion;
    } catch (const torvane::OverflowFailure&) {
        return Outcome::Overflow;
    }
}

void checkStrict(const std::string& text, bool isNumber, bool exact) {
    double value = 0;
    const Outcome outcome = attempt([&] { return torvane::readStrict(text, "the text"); }, value);
    if (!isNumber) {
        if (outcome != Outcome::Conversion)
            fail(text, "strict reading took a text that is no number");
        return;
    }
    if (outcome == Outcome::Conversion) fail(text, "strict reading refused a number");
    if (!exact) return;
    const double expected = roundedValue(text);
    if (!inRange(expected)) {
        if (outcome != Outcome::Overflow) fail(text, "strict reading took a value beyond 16 bits");
    } else if (outcome != Outcome::Value || value != expected) {
        fail(text, "strict reading gave another value than the reference");
    }
}

void checkLenient(const std::string& text, bool isNumber, bool checkable) {
    const double lenient = torvane::readLenient(text);  // never fails
    double rightBox = 0;
    const Outcome outcome =
        attempt([&] { return torvane::roundToAmount(lenient, "the bank"); }, rightBox);
    if (outcome == Outcome::Conversion) fail(text, "the right box's reading failed to convert");
    if (!checkable) return;

    double expected = 0;
    if (isNumber) {
        if (significantDigits(text) > 15) return;
        expected = roundedValue(text);
    } else {
        std::smatch leading;
        if (std::regex_search(text, leading, kLeading)) {
            const std::string prefix = leading[1].str();
            if (significantDigits(prefix) > 15) return;
            expected = std::strtod(prefix.c_str(), nullptr);
        }
    }
    if (lenient != expected && !(std::isinf(lenient) && std::isinf(expected))) {
        fail(text, "lenient reading gave another value than the reference");
    }
    const double rounded = std::nearbyint(expected);
    if (inRange(rounded) != (outcome == Outcome::Value)) {
        fail(text,
             "the right box's reading overflowed where the reference did not, or not where "
             "it did");
    }
    if (outcome == Outcome::Value && rightBox != rounded) {
        fail(text, "the right box's reading gave another value than the reference");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (size > kReferenceLimit) {
        // Beyond the reference: the readers must still end without a crash.
        (void)torvane::readLenient(text);
        try {
            (void)torvane::readStrict(text, "the text");
        } catch (const torvane::TableFailure&) {
        }
        return 0;
    }
    const bool isNumber = std::regex_match(text, kWhole);
    checkStrict(text, isNumber, isNumber && significantDigits(text) <= 15);
    checkLenient(text, isNumber, true);
    return 0;
}
