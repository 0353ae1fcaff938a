// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QObject>
#include <csignal>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace torvane {

// Turns SIGTERM and SIGINT into a call of `onSignal` on the event loop. The
// signal handler only writes a byte into a pipe (the only safe thing to do
// there); a socket notifier reads it and runs `onSignal` like any other
// event. The previous handlers come back when this is destroyed.
class ShutdownSignals : public QObject {
  public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

  private:
    static void handle(int signal);
    void readPipe();

    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
};

// Ends the game the way File > Exit does: every open modal window (a
// message box, the help or the About window) is closed first, its loop
// returning to whoever opened it, then the main window closes, which runs
// its unload handler and ends the process with status 0.
void closeGameAsExitDoes(QWidget& mainWindow);

}  // namespace torvane
