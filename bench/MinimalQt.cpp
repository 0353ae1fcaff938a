// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The smallest Qt Widgets program that shows one label: the floor for
// start-up time and memory on this machine.
//   torvane_minimal_qt FILE.png          renders the label to a PNG offscreen,
//                                        the way `torvane --screenshot` does
//   torvane_minimal_qt --exit-when-shown shows it on the display and quits once
//                                        it is exposed, as `torvane --exit-when-shown`
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace {

class QuitWhenExposed : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool untilShown = argc > 1 && QByteArray(argv[1]) == "--exit-when-shown";
    if (!untilShown) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLabel label("Torvane");
    label.show();
    if (untilShown) {
        QuitWhenExposed quit;
        label.windowHandle()->installEventFilter(&quit);
        return QApplication::exec();
    }
    return argc > 1 && label.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
