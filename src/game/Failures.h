// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <stdexcept>
#include <string>

namespace torvane {

// A failure that stops a handler where it arises. Whatever the handler stored
// before that point stays; the event boundary (Table::fire) reports it.
// The reason is a plain-words phrase such as
// "the money in the bank (\"abc\") is not a number".
class TableFailure : public std::runtime_error {
  public:
    explicit TableFailure(const std::string& reason) : std::runtime_error(reason) {}
};

// A control text that strict reading cannot take as a number.
class ConversionFailure : public TableFailure {
  public:
    using TableFailure::TableFailure;
};

// A 16-bit result, or a number read from a text, outside -32768..32767.
class OverflowFailure : public TableFailure {
  public:
    using TableFailure::TableFailure;
};

}  // namespace torvane
