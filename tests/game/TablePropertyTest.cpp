// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Random sequences of every player action against the table. RapidCheck
// shrinks a failing sequence and prints how to replay it (RC_PARAMS).
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>

#include <functional>
#include <ostream>

#include "support/Invariants.h"
#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

struct Model {};  // the invariants below need no model of their own

struct Sut : TableFixture {
    bool failed = false;  // the last action stopped with a failure

    // Runs one event member, noting whether a failure stopped its handler,
    // and checks the event and the table after it.
    template <class Event>
    void act(const EventCheck& check, Event&& event) {
        const auto before = static_cast<std::ptrdiff_t>(services.messages.size());
        failed = !event();
        const std::vector<Message> shown(services.messages.begin() + before,
                                         services.messages.end());
        RC_ASSERT(check.violation(state(), shown, !failed) == std::string());
        RC_ASSERT(soundnessViolation(shownBy(view), state()) == std::string());
    }
    void act(Action action, const std::function<bool()>& event) {
        act(EventCheck(action, state()), event);
    }
};

using Command = rc::state::Command<Model, Sut>;

rc::Gen<std::string> typedText() {
    using rc::gen::map;
    return rc::gen::weightedOneOf<std::string>({
        {6, map(rc::gen::inRange(-50, 3000), [](int v) { return std::to_string(v); })},
        {2, map(rc::gen::inRange(-40000, 40000), [](int v) { return std::to_string(v); })},
        {2, map(rc::gen::pair(rc::gen::inRange(-100, 100), rc::gen::inRange(0, 10)),
                [](std::pair<int, int> p) {
                    return std::to_string(p.first) + "." + std::to_string(p.second);
                })},
        {2, rc::gen::element<std::string>("", "  ", "abc", "12abc", " 250 ", "0.5", "-0.5", "1e3",
                                          "-", "+25", "99999999999", "32767", "-32768")},
        {1, rc::gen::string<std::string>()},
    });
}

struct TypeBank : Command {
    std::string text = *typedText();
    void run(const Model&, Sut& sut) const override { sut.view.bank = text; }
    void show(std::ostream& os) const override { os << "type bank \"" << text << "\""; }
};

struct TypeIncrement : Command {
    std::string text = *rc::gen::weightedOneOf<std::string>(
        {{4, rc::gen::element<std::string>("25", "10", "30.5", "0", "-25", "2500", "7")},
         {1, typedText()}});
    void run(const Model&, Sut& sut) const override { sut.view.bets = text; }
    void show(std::ostream& os) const override { os << "type increment \"" << text << "\""; }
};

struct ClickBox : Command {
    Box box = *rc::gen::element(Box::Left, Box::Middle, Box::Right);
    Amount button = *rc::gen::element(kLeftButton, kRightButton, kMiddleButton);
    Amount shift = *rc::gen::inRange<Amount>(0, 8);

    void run(const Model&, Sut& sut) const override {
        sut.act(EventCheck(box, button, sut.view.bank, sut.state()),
                [&] { return sut.table.bet(box, button, shift, 1, 1); });
    }
    void show(std::ostream& os) const override {
        os << "button " << button << " (shift " << shift << ") on box " << static_cast<int>(box);
    }
};

struct Spin : Command {
    int second = *rc::gen::inRange(0, 60);
    std::vector<float> randoms = *rc::gen::container<std::vector<float>>(
        static_cast<std::size_t>(second), rc::gen::map(rc::gen::inRange(0, 1 << 24), [](int v) {
            return static_cast<float>(v) / 16777216.0f;
        }));
    void run(const Model&, Sut& sut) const override {
        sut.services.second = second;
        sut.services.randoms.assign(randoms.begin(), randoms.end());
        const std::size_t lines = sut.view.history.size();
        const std::size_t messages = sut.services.messages.size();
        sut.act(Action::Spin, [&] { return sut.table.spin(); });
        const bool refused = sut.services.messages.size() > messages && !sut.failed &&
                             sut.lastMessage().title == "No Funds Available";
        if (refused) {
            RC_ASSERT(sut.view.history.size() == lines);
            RC_ASSERT(sut.services.randoms.size() == randoms.size());
        } else if (!sut.failed) {
            RC_ASSERT(sut.services.randoms.empty());  // one value per second of the clock
            RC_ASSERT(sut.view.history.size() == std::min<std::size_t>(lines + 1, 10));
            RC_ASSERT(sut.view.brightCells() == 1);
        }
    }
    void show(std::ostream& os) const override { os << "spin at second " << second; }
};

struct DoubleUp : Command {
    void run(const Model&, Sut& sut) const override {
        sut.act(Action::DoubleIncrement, [&] { return sut.table.doubleIncrement(); });
    }
    void show(std::ostream& os) const override { os << "double the increment"; }
};

struct Halve : Command {
    void run(const Model&, Sut& sut) const override {
        sut.act(Action::HalveIncrement, [&] { return sut.table.halveIncrement(); });
    }
    void show(std::ostream& os) const override { os << "halve the increment"; }
};

struct Transfer : Command {
    void run(const Model&, Sut& sut) const override {
        const Amount winnings = sut.state().winnings;
        sut.act(Action::Transfer, [&] { return sut.table.transfer(); });
        if (sut.failed) RC_ASSERT(sut.state().winnings == winnings);
    }
    void show(std::ostream& os) const override { os << "transfer"; }
};

struct NewGame : Command {
    void run(const Model&, Sut& sut) const override {
        sut.act(Action::NewGame, [&] { return sut.table.newGame(); });
        RC_ASSERT(!sut.failed);
        RC_ASSERT(sut.view.bank == "1000");
    }
    void show(std::ostream& os) const override { os << "new game"; }
};

RC_GTEST_PROP(TableProperty, EveryActionSequenceKeepsTheTableSound, ()) {
    Sut sut;
    rc::state::check(
        Model{}, sut,
        rc::state::gen::execOneOfWithArgs<TypeBank, TypeIncrement, ClickBox, ClickBox, ClickBox,
                                          Spin, DoubleUp, Halve, Transfer, NewGame>());
}

}  // namespace
}  // namespace torvane::testing
