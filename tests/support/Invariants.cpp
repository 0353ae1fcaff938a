// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "support/Invariants.h"

#include <algorithm>

namespace torvane::testing {
namespace {

bool isFailureReport(const Message& m) {
    return m.prompt.find(" could not be completed: ") != std::string::npos;
}

Amount stakeOn(Box box, const TableState& s) {
    return box == Box::Left ? s.betLeft : box == Box::Middle ? s.betMiddle : s.betRight;
}

}  // namespace

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

Shown shownBy(const FakeView& view) {
    Shown shown{view.stakes, view.history.size(), view.brightCells(), {}};
    for (const auto& [bar, y2] : view.bars) shown.barTops.push_back(y2);
    return shown;
}

const std::vector<Pressable> kMonkeyButtons = {{"cmdspin", Action::Spin},
                                               {"cmdreset", Action::NewGame},
                                               {"cmdtransfer", Action::Transfer},
                                               {"cmddblup", Action::DoubleIncrement},
                                               {"cmddbldown", Action::HalveIncrement}};
// Help, About and the links move no money: checked as typing is.
const std::vector<Pressable> kMonkeyMenuItems = {{"newgame", Action::NewGame},
                                                 {"help", Action::Typing},
                                                 {"about", Action::Typing},
                                                 {"mailme", Action::Typing},
                                                 {"email", Action::Typing}};

MonkeyMove monkeyMove(int roll) {
    if (roll < 3) return MonkeyMove::Bet;
    if (roll < 5) return MonkeyMove::Button;
    if (roll < 7) return MonkeyMove::Typing;
    if (roll < 8) return MonkeyMove::MenuItem;
    return MonkeyMove::Spin;
}

std::string soundnessViolation(const Shown& shown, const TableState& state) {
    for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
        const std::string stake = writeNumber(stakeOn(box, state));
        if (shown.stakes.at(box) != stake) {
            return std::string("the ") + boxName(box) + " caption \"" + shown.stakes.at(box) +
                   "\" is not its stake " + stake;
        }
    }
    if (shown.historyLines > 10) return "the history holds more than ten lines";
    if (shown.litCells > 1) return "more than one number cell is lit";
    for (Amount bar : {state.barZero, state.barLeft, state.barMiddle, state.barRight}) {
        if (bar < 0 || bar > 1000) return "a bar value " + writeNumber(bar) + " is out of range";
    }
    for (const float y2 : shown.barTops) {
        if (y2 < 0.0f || y2 > 1000.0f) return "a chart line's top end is out of range";
    }
    for (Amount hits : {state.hitsZero, state.hitsLeft, state.hitsMiddle, state.hitsRight}) {
        if (hits < 0 || hits > 50) return "a hit counter " + writeNumber(hits) + " is out of range";
    }
    return {};
}

EventCheck::EventCheck(Action action, const TableState& before)
    : action_(action), before_(before) {}

EventCheck::EventCheck(Box box, Amount button, const std::string& bankText,
                       const TableState& before)
    : action_(Action::Bet),
      before_(before),
      box_(box),
      button_(button),
      bank_(bankAsBoxReads(box, bankText)) {}

std::string EventCheck::violation(const TableState& after, const std::vector<Message>& shown,
                                  std::optional<bool> completed) const {
    const auto reports = std::count_if(shown.begin(), shown.end(), isFailureReport);
    for (const Message& m : shown) {
        if (isFailureReport(m) && (m.style != MessageStyle::Critical || m.title != kAppTitle)) {
            return "a failure's message is not critical and titled Torvane: " + m.prompt;
        }
    }
    if (completed == false && (shown.size() != 1 || reports != 1)) {
        return "a failure was not reported as exactly one message";
    }
    if (completed == true && reports > 0) return "an event that completed reported a failure";
    if (reports > 1) return "one event reported more than one failure";
    const bool done = completed.value_or(reports == 0);

    switch (action_) {
        case Action::Bet:
            return betViolation(after, done);
        case Action::DoubleIncrement:
            if (done && after.increment > 2500) return "doubling passed 2500";
            break;
        case Action::HalveIncrement:
            if (done && after.increment < 25) return "halving went below 25";
            break;
        default:
            break;
    }
    return {};
}

std::string EventCheck::betViolation(const TableState& after, bool completed) const {
    if (!completed) {
        if (stakesTotal(after) != stakesTotal(before_)) return "a failed bet moved a stake";
        return {};
    }
    if (!bank_) return "a bet completed on a bank text it cannot read";
    const int before = *bank_ + stakesTotal(before_);
    const int now = after.bank + stakesTotal(after);
    if (now != before) {
        return "a bet changed bank + stakes from " + std::to_string(before) + " to " +
               std::to_string(now);
    }
    const Amount stakeBefore = stakeOn(box_, before_);
    const Amount stake = stakeOn(box_, after);
    if (after.increment <= 0) return {};
    if (button_ == kRightButton) {
        if (stakeBefore >= 1 && (stake > stakeBefore || (stake != 0 && stake < 25))) {
            return "a withdrawal left a stake of " + std::to_string(stake);
        }
    } else if ((stake < stakeBefore && stakeBefore <= 5000) ||
               stake > std::max(5000, +stakeBefore)) {
        return "a placement took a stake from " + std::to_string(stakeBefore) + " to " +
               std::to_string(stake);
    }
    return {};
}

}  // namespace torvane::testing
