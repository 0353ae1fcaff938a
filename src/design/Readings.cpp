// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/Readings.h"

#include <cctype>
#include <cmath>

#include "design/MainWindow.h"

namespace torvane::design {

std::string stakeReading(Box box, const std::string& shown) {
    return std::string(betBox(box).accessibleName) + ": " + shown;
}

std::string betActionName(const char* action, Box box) {
    std::string column = betBox(box).accessibleName;  // "Left column stake"
    column.erase(column.rfind(' '));
    column.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(column.front())));
    return std::string(action) + ", " + column;
}

std::string spinAnnouncement(int number, const std::string& winnings) {
    return "Number " + std::to_string(number) + " drawn. Winnings " + winnings + ".";
}

std::string cellDescription(int number, bool drawn) {
    const std::string n = std::to_string(number);
    return drawn ? "Number " + n + ", drawn by the last spin. Clicking it does nothing."
                 : "Number " + n + " on the table. Clicking it does nothing.";
}

std::string chartLineReading(const std::optional<BarShare>& share) {
    if (!share || share->presses <= 0) return "No spins counted yet";
    const long percent = std::lround(100.0 * share->hits / share->presses);
    return std::to_string(share->hits) + " of " + std::to_string(share->presses) + " presses, " +
           std::to_string(percent) + "%";
}

}  // namespace torvane::design
