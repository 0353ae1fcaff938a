// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

namespace torvane {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// A number cell at rest, and the cell of the number just drawn.
inline constexpr Rgb kCellDarkGreen{0, 192, 0};
inline constexpr Rgb kCellBrightGreen{0, 255, 0};

}  // namespace torvane
