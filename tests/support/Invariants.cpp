// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "support/Invariants.h"

namespace torvane::testing {

std::optional<int> bankAsBoxReads(Box box, const std::string& bankText) {
    try {
        return box == Box::Right ? roundToAmount(readLenient(bankText), "the bank")
                                 : readStrict(bankText, "the bank");
    } catch (const TableFailure&) {
        return std::nullopt;
    }
}

int stakesTotal(const TableState& state) {
    return state.betLeft + state.betMiddle + state.betRight;
}

std::string soundnessViolation(const FakeView& view, const TableState& state) {
    const struct {
        Box box;
        Amount stake;
    } stakes[] = {
        {Box::Left, state.betLeft}, {Box::Middle, state.betMiddle}, {Box::Right, state.betRight}};
    for (const auto& s : stakes) {
        if (view.stakes.at(s.box) != writeNumber(s.stake)) {
            return std::string("the ") + boxName(s.box) + " caption \"" + view.stakes.at(s.box) +
                   "\" is not its stake " + writeNumber(s.stake);
        }
    }
    if (view.history.size() > 10) return "the history holds more than ten lines";
    if (view.brightCells() > 1) return "more than one number cell is lit";
    for (Amount bar : {state.barZero, state.barLeft, state.barMiddle, state.barRight}) {
        if (bar < 0 || bar > 1000) return "a bar value " + writeNumber(bar) + " is out of range";
    }
    for (const auto& [bar, y2] : view.bars) {
        if (y2 < 0.0f || y2 > 1000.0f) return "a chart line's top end is out of range";
    }
    for (Amount hits : {state.hitsZero, state.hitsLeft, state.hitsMiddle, state.hitsRight}) {
        if (hits < 0 || hits > 50) return "a hit counter " + writeNumber(hits) + " is out of range";
    }
    return {};
}

}  // namespace torvane::testing
