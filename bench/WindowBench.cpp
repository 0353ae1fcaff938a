// SPIN through the real main window, offscreen, with the repaint of the
// cells, the list and the chart.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/Design.h"
#include "ui/frmdiduvor.h"

namespace {

void WindowSpin(benchmark::State& state) {
    torvane::ui::frmdiduvor window;
    window.services().messageHook = [](const torvane::Message&) {};
    window.services().clockHook = [] { return 59; };
    window.Form_Load();
    window.show();
    window.repaint();
    for (auto _ : state) {
        window.cmdspin_Click();
        window.repaint();  // paints every changed control now, not at the next event
    }
}
BENCHMARK(WindowSpin)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torvane::ui::installFontSubstitutes();
    torvane::ui::loadPictures();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
