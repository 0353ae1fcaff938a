// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <cstdint>

namespace torvane {

// The pseudo-random generator of the wheel: the classic 24-bit linear
// congruential generator of BASIC dialects, always started from the same seed
// and never reseeded, so every run sees the same sequence. What varies between
// spins is how many values a spin consumes (one per second of the clock).
class Generator {
  public:
    // A value in [0, 1), exactly representable in single precision.
    float next();

  private:
    std::uint32_t state_ = 0x50000;
};

}  // namespace torvane
