// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Each game handler against the in-memory view, through the event boundary.
#include <benchmark/benchmark.h>

#include "game/Generator.h"
#include "game/Table.h"
#include "support/FakeView.h"

namespace torvane {
namespace {

// The real generator and a late clock second; messages are dropped.
class BenchServices : public TableServices {
  public:
    int second = 59;
    void showMessage(const Message&) override {}
    void loadAboutWindow() override {}
    int secondOfMinute() override { return second; }
    float nextRandom() override { return generator_.next(); }

  private:
    Generator generator_;
};

struct BenchTable {
    testing::FakeView view;
    BenchServices services;
    Table table{view, services};
    BenchTable() { table.load(); }
};

void Spin(benchmark::State& state) {
    BenchTable t;
    t.services.second = static_cast<int>(state.range(0));
    for (auto _ : state) {
        t.table.spin();
        t.view.bank = "1000";
    }
}
BENCHMARK(Spin)->Arg(59);

// Alternately places a bet and takes it back: each iteration is one call.
void BetPlaceAndWithdraw(benchmark::State& state) {
    BenchTable t;
    Amount button = kLeftButton;
    for (auto _ : state) {
        t.table.bet(Box::Left, button);
        button = button == kLeftButton ? kRightButton : kLeftButton;
    }
}
BENCHMARK(BetPlaceAndWithdraw);

void DoubleIncrement(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.view.bets = "25";
        t.table.doubleIncrement();
    }
}
BENCHMARK(DoubleIncrement);

void HalveIncrement(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.view.bets = "100";
        t.table.halveIncrement();
    }
}
BENCHMARK(HalveIncrement);

void Transfer(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.table.state().winnings = 75;
        t.view.bank = "1000";
        t.table.transfer();
    }
}
BENCHMARK(Transfer);

void NewGame(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.table.newGame();
    }
}
BENCHMARK(NewGame);

}  // namespace
}  // namespace torvane
