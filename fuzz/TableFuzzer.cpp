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
#include <string>

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

const char* const kNoMoney = "Bet increment to big or no money in the bank!";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Stream in(data, size);
    TableFixture t;  // loaded, over the designed texts
    for (int event = 0; !in.empty() && event < 200; ++event) {
        const std::size_t messagesBefore = t.services.messages.size();
        const std::uint8_t op = in.byte() % 10;
        bool completed = true;
        switch (op) {
            case 0:
                t.view.bank = in.text();
                break;
            case 1:
                t.view.bets = in.text();
                break;
            case 2:
            case 3:
            case 4: {
                const Box box = static_cast<Box>(op - 2);
                const std::uint8_t b = in.byte();
                const Amount button = b < 200 ? static_cast<Amount>(1 << (b % 3)) : Amount{b};
                const Amount shift = static_cast<Amount>(in.byte() % 8);
                const auto bank = bankAsBoxReads(box, t.view.bank);
                const int before = bank ? *bank + stakesTotal(t.state()) : 0;
                completed = t.click(box, button, shift);
                if (!bank && completed) fail(event, "a bet read a bank text that cannot be read");
                if (completed && t.bankPlusStakes() != before) {
                    fail(event, "a bet changed bank + stakes from " + std::to_string(before) +
                                    " to " + std::to_string(t.bankPlusStakes()));
                }
                const bool refused = t.services.messages.size() > messagesBefore &&
                                     t.lastMessage().prompt == kNoMoney;
                const Amount stake = box == Box::Left     ? t.state().betLeft
                                     : box == Box::Middle ? t.state().betMiddle
                                                          : t.state().betRight;
                if (completed && !refused && button != kRightButton && t.state().increment > 0 &&
                    stake > 5000) {
                    fail(event, "a placement left a stake of " + std::to_string(stake));
                }
                break;
            }
            case 5: {
                // The clock's second, and the number the last generator value lands on.
                const int second = in.byte() % 60;
                const int number = in.byte() % 37;
                t.services.second = second;
                t.services.randoms.clear();
                for (int i = 1; i < second; ++i) t.services.randoms.push_back(0.0f);
                t.services.randoms.push_back((static_cast<float>(number) + 0.5f) / 37);
                completed = t.spinAsScripted();
                break;
            }
            case 6:
                completed = t.doubleUp();
                if (completed && t.state().increment > 2500) fail(event, "doubling passed 2500");
                break;
            case 7:
                completed = t.halve();
                break;
            case 8:
                completed = t.transfer();
                break;
            default:
                completed = (in.byte() & 1) != 0 ? t.table.newGameFromMenu() : t.newGame();
                break;
        }
        if (!completed) {
            if (t.services.messages.size() != messagesBefore + 1) {
                fail(event, "a failure was not reported as exactly one message");
            }
            const Message& m = t.lastMessage();
            if (m.style != MessageStyle::Critical || m.title != "Torvane" ||
                m.prompt.find(" could not be completed: ") == std::string::npos) {
                fail(event, "a failure's message is not the critical one: " + m.prompt);
            }
        }
        const std::string broken = soundnessViolation(t.view, t.state());
        if (!broken.empty()) fail(event, broken);
    }
    return 0;
}
