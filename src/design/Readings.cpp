// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/Readings.h"

#include <cmath>

#include "design/MainWindow.h"

namespace torvane::design {

std::string stakeReading(Box box, const std::string& shown) {
    return std::string(betBox(box).accessibleName) + ": " + shown;
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
