// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <deque>
#include <vector>

#include "game/TableView.h"

namespace torvane::testing {

// Messages recorded instead of shown; a scripted clock and generator.
class FakeServices : public TableServices {
  public:
    std::vector<Message> messages;
    int aboutLoads = 0;
    int second = 0;
    std::deque<float> randoms;  // consumed front first; 0.0 when run dry
    int randomsTaken = 0;

    void showMessage(const Message& m) override { messages.push_back(m); }
    void loadAboutWindow() override { ++aboutLoads; }
    int secondOfMinute() override { return second; }
    float nextRandom() override;

    // Makes the next spin draw `number`: second 1, one value in its cell.
    void drawNext(int number);
    // Makes the next spin happen at `second` (0 to 59) and, unless that is
    // 0, draw `number`: the last of its values lands in the number's cell.
    void drawAt(int second, int number);
};

// The generator value that lands in the middle of `number`'s cell.
float valueDrawing(int number);

}  // namespace torvane::testing
