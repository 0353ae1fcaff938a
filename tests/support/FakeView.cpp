// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "support/FakeView.h"

#include <algorithm>
#include <stdexcept>

namespace torvane {

const char* boxName(Box box) {
    switch (box) {
        case Box::Left:
            return "Left";
        case Box::Middle:
            return "Middle";
        case Box::Right:
            break;
    }
    return "Right";
}

}  // namespace torvane

namespace torvane::testing {

FakeView::FakeView() {
    cells.fill(kCellDarkGreen);
}

void FakeView::removeHistory(int i) {
    if (i < 0 || i >= historyCount()) throw std::out_of_range("no such history line");
    history.erase(history.begin() + i);
}

int FakeView::brightCells() const {
    return static_cast<int>(std::count(cells.begin(), cells.end(), kCellBrightGreen));
}

}  // namespace torvane::testing
