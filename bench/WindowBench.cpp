// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// SPIN through the real main window, offscreen, with the repaint of the
// cells, the list and the chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include "ui/Design.h"
#include "ui/QtDesktopServices.h"
#include "ui/frmdiduvor.h"

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    long count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// The program's own services, silent, at the clock's last second.
class BenchServices : public torvane::ui::QtDesktopServices {
  public:
    void showMessage(const torvane::Message&) override {}
    int secondOfMinute() override { return 59; }
};

void WindowSpin(benchmark::State& state) {
    BenchServices services;
    torvane::ui::frmdiduvor window(services);
    window.Form_Load();
    window.show();
    // Let the offscreen platform expose the window, so repaints really paint.
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    PaintCounter painted;
    window.findChild<QWidget*>("lsthistory")->installEventFilter(&painted);
    for (auto _ : state) {
        window.handlers().cmdspin_Click();
        window.repaint();  // paints every changed control now, not at the next event
    }
    state.counters["list_paints_per_spin"] = benchmark::Counter(
        static_cast<double>(painted.count) / static_cast<double>(state.iterations()));
}
BENCHMARK(WindowSpin)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torvane::ui::setUpResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
