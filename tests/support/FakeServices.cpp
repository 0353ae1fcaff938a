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

float valueDrawing(int number) {
    return (static_cast<float>(number) + 0.5f) / kNumberCount;
}

void FakeServices::drawNext(int number) {
    drawAt(1, number);
}

void FakeServices::drawAt(int atSecond, int number) {
    second = atSecond;
    randoms.clear();
    for (int i = 1; i < atSecond; ++i) randoms.push_back(0.0f);
    if (atSecond > 0) randoms.push_back(valueDrawing(number));
}

}  // namespace torvane::testing
