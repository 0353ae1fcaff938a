// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QObject>

class QThread;

namespace torvane::ui {

// Asks the desktop, once, whether a screen reader is running: the
// ScreenReaderEnabled property of org.a11y.Status on the session bus's
// org.a11y.Bus object. Nothing waits for the answer. Where Qt's
// accessibility bridge has connected to the session bus already, the
// question goes out on that connection. Otherwise connecting can block for
// as long as the bus does not answer, so that happens on a thread of its
// own. Either way the property is read with an asynchronous call. Without
// a session bus, or with one that never answers, nothing is ever reported.
class ScreenReaderStatus : public QObject {
    Q_OBJECT
  public:
    explicit ScreenReaderStatus(QObject* parent = nullptr);
    ~ScreenReaderStatus() override;
    ScreenReaderStatus(const ScreenReaderStatus&) = delete;
    ScreenReaderStatus& operator=(const ScreenReaderStatus&) = delete;

    // Starts the query and returns at once.
    void start();
    // Waits up to `grace` milliseconds for the connection to the session
    // bus to be made or to fail, and says whether it is still pending. Qt's
    // D-Bus thread is then stuck in it, and the process's exit would wait
    // for it for as long as the bus does not answer.
    bool stillConnecting(int grace) const;

  signals:
    // The desktop answered that a screen reader is running.
    void screenReaderEnabled();

  private:
    void ask();

    QThread* connecting_ = nullptr;
    bool asked_ = false;
};

}  // namespace torvane::ui
