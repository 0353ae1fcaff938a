// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

namespace torvane {

inline constexpr int kNumberCount = 37;  // 0 to 36

enum class Column { None, Left, Middle, Right };

// Left holds 1, 4, ..., 34; middle 2, 5, ..., 35; right 3, 6, ..., 36; zero none.
constexpr Column columnOf(int number) {
    if (number == 0) return Column::None;
    switch (number % 3) {
        case 1:
            return Column::Left;
        case 2:
            return Column::Middle;
        default:
            return Column::Right;
    }
}

}  // namespace torvane
