// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "app/ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <cerrno>

namespace torvane {
namespace {

// The write end of the pipe, for the signal handler.
volatile std::sig_atomic_t writeEnd = -1;

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: signals keep their default
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = &ShutdownSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &previousTerm_);
    sigaction(SIGINT, &action, &previousInt_);
}

ShutdownSignals::~ShutdownSignals() {
    if (pipe_[0] < 0) return;
    sigaction(SIGTERM, &previousTerm_, nullptr);
    sigaction(SIGINT, &previousInt_, nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void ShutdownSignals::handle(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (writeEnd >= 0) {
        // A full pipe already holds a request; nothing more is needed.
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }
    errno = savedErrno;
}

void ShutdownSignals::readPipe() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onSignal_) onSignal_();
}

void closeGameAsExitDoes(QWidget& mainWindow) {
    // Closing a modal window shows the one below it, if any, as the active one.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Rejected);
        } else {
            modal->close();
        }
        if (modal->isVisible()) break;  // it refused to close; do not spin
    }
    mainWindow.close();
}

}  // namespace torvane
