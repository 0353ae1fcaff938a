// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// A whole table: the input is decoded as a sequence of player events (typed
// bank and increment texts, bets with any button, spins at any second,
// doubling, halving, transfers, new games) against the in-memory view. After
// each event the table must be sound, every failure must be one critical
// message, and no bet may make or lose money.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/Invariants.h"
#include "support/TableFixture.h"

namespace {

using namespace torvane;
using namespace torvane::testing;

// Reads the input front to back; 0 once it has run out.
class Stream {
  public:
    Stream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return used_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[used_++]; }
    std::string text() {
        const std::size_t length = byte() % 16;
        std::string t;
        for (std::size_t i = 0; i < length && !empty(); ++i) t += static_cast<char>(byte());
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

[[noreturn]] void fail(int event, const std::string& what) {
    std::fprintf(stderr, "table: event %d: %s\n", event, what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Stream in(data, size);
    TableFixture t;  // loaded, over the designed texts
    for (int event = 0; !in.empty() && event < 200; ++event) {
        const std::size_t messagesBefore = t.services.messages.size();
        const TableState before = t.state();
        const std::uint8_t op = in.byte() % 10;
        std::optional<EventCheck> check;
        bool completed = true;
        switch (op) {
            case 0:
                t.view.bank = in.text();
                check.emplace(Action::Typing, before);
                break;
            case 1:
                t.view.bets = in.text();
                check.emplace(Action::Typing, before);
                break;
            case 2:
            case 3:
            case 4: {
                const Box box = static_cast<Box>(op - 2);
                const std::uint8_t b = in.byte();
                const Amount button = b < 200 ? static_cast<Amount>(1 << (b % 3)) : Amount{b};
                const Amount shift = static_cast<Amount>(in.byte() % 8);
                check.emplace(box, button, t.view.bank, before);
                completed = t.click(box, button, shift);
                break;
            }
            case 5: {
                // The clock's second, and the number the last generator value lands on.
                const int second = in.byte() % 60;
                t.services.drawAt(second, in.byte() % 37);
                check.emplace(Action::Spin, before);
                completed = t.spinAsScripted();
                break;
            }
            case 6:
                check.emplace(Action::DoubleIncrement, before);
                completed = t.doubleUp();
                break;
            case 7:
                check.emplace(Action::HalveIncrement, before);
                completed = t.halve();
                break;
            case 8:
                check.emplace(Action::Transfer, before);
                completed = t.transfer();
                break;
            default:
                check.emplace(Action::NewGame, before);
                completed = (in.byte() & 1) != 0 ? t.table.newGameFromMenu() : t.newGame();
                break;
        }
        const std::vector<Message> shown(
            t.services.messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore),
            t.services.messages.end());
        std::string broken = check->violation(t.state(), shown, completed);
        if (broken.empty()) broken = soundnessViolation(shownBy(t.view), t.state());
        if (!broken.empty()) fail(event, broken);
    }
    return 0;
}
