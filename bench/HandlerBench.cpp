// Each game handler against the in-memory view, through the event boundary.
#include <benchmark/benchmark.h>

#include "game/FakeTable.h"
#include "game/Generator.h"

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
    BenchTable() { table.Form_Load(); }
};

void Spin(benchmark::State& state) {
    BenchTable t;
    t.services.second = static_cast<int>(state.range(0));
    for (auto _ : state) {
        t.table.fire("The spin", [&] { t.table.cmdspin_Click(); });
        t.view.bank = "1000";
    }
}
BENCHMARK(Spin)->Arg(59);

// Alternately places a bet and takes it back: each iteration is one call.
void BetPlaceAndWithdraw(benchmark::State& state) {
    BenchTable t;
    Amount button = kLeftButton;
    for (auto _ : state) {
        t.table.fire("The bet", [&] { t.table.lblleft_MouseUp(button, 0, 0, 0); });
        button = button == kLeftButton ? kRightButton : kLeftButton;
    }
}
BENCHMARK(BetPlaceAndWithdraw);

void DoubleIncrement(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.view.bets = "25";
        t.table.fire("Doubling", [&] { t.table.cmddblup_Click(); });
    }
}
BENCHMARK(DoubleIncrement);

void HalveIncrement(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.view.bets = "100";
        t.table.fire("Halving", [&] { t.table.cmddbldown_Click(); });
    }
}
BENCHMARK(HalveIncrement);

void Transfer(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.table.state().winnings = 75;
        t.view.bank = "1000";
        t.table.fire("The transfer", [&] { t.table.cmdtransfer_Click(); });
    }
}
BENCHMARK(Transfer);

void NewGame(benchmark::State& state) {
    BenchTable t;
    for (auto _ : state) {
        t.table.fire("The new game", [&] { t.table.cmdreset_Click(); });
    }
}
BENCHMARK(NewGame);

}  // namespace
}  // namespace torvane
