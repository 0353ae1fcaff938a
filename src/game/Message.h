// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

namespace torvane {

// The application title: shown by every message box without a title of its own.
inline constexpr const char* kAppTitle = "Torvane";

// The last lines of --version: who holds the copyright, and the licence.
inline constexpr const char* kLicenceNotice =
    "Copyright (C) 2025-2026 Torvane Tables\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

enum class MessageStyle { Plain = 0, Critical = 16 };

// A modal message box: prompt, style and title.
struct Message {
    std::string prompt;
    MessageStyle style = MessageStyle::Plain;
    std::string title = kAppTitle;

    bool operator==(const Message&) const = default;
};

}  // namespace torvane
