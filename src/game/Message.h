// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

namespace torvane {

// The application title: shown by every message box without a title of its own.
inline constexpr const char* kAppTitle = "Torvane";

enum class MessageStyle { Plain = 0, Critical = 16 };

// A modal message box: prompt, style and title.
struct Message {
    std::string prompt;
    MessageStyle style = MessageStyle::Plain;
    std::string title = kAppTitle;

    bool operator==(const Message&) const = default;
};

}  // namespace torvane
