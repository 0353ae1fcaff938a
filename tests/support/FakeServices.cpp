// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "support/FakeServices.h"

#include "game/Columns.h"

namespace torvane::testing {

float FakeServices::nextRandom() {
    ++randomsTaken;
    if (randoms.empty()) return 0.0f;
    const float r = randoms.front();
    randoms.pop_front();
    return r;
}

void FakeServices::drawNext(int number) {
    second = 1;
    randoms.push_back((static_cast<float>(number) + 0.5f) / kNumberCount);
}

}  // namespace torvane::testing
