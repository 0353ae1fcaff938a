// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "game/Generator.h"

namespace torvane {

float Generator::next() {
    constexpr std::uint32_t kMultiplier = 1140671485u;
    constexpr std::uint32_t kIncrement = 12820163u;
    constexpr std::uint32_t kMask = 0xFFFFFFu;  // 24 bits
    state_ = (state_ * kMultiplier + kIncrement) & kMask;
    return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace torvane
