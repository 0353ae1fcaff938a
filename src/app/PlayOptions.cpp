// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "app/PlayOptions.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "ui/frmdiduvor.h"

namespace torvane {
namespace {

// Quits the application once the window it watches is exposed on screen.
class QuitWhenExposed : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

PlayOptions::PlayOptions(const CommandLine& command, ui::frmdiduvor& window) {
    if (command.keyboard) window.setKeyboardMode(true);
    QObject::connect(&screenReader_, &ui::ScreenReaderStatus::screenReaderEnabled, &window,
                     [&window] { window.setKeyboardMode(true); });
    screenReader_.start();

    if (command.exitWhenShown) {
        QWindow* shown = window.windowHandle();
        if (shown != nullptr && shown->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        } else if (shown != nullptr) {
            shown->installEventFilter(new QuitWhenExposed(&window));
        }
    }
}

int PlayOptions::exitStatus(int status) const {
    // Qt 6.4's Wayland client can hang for ever in its display's destructor
    // at exit: its event thread waits in wl_display_read_events for a read
    // that never comes.
    const bool waylandTeardownMayHang = QGuiApplication::platformName() == QLatin1String("wayland");
    // A bus that answers at all has answered by now; this wait is only for a
    // game ended right after it started.
    constexpr int kGraceMs = 500;
    if (waylandTeardownMayHang || screenReader_.stillConnecting(kGraceMs)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace torvane
