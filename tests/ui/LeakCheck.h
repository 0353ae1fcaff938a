// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace torvane::ui::testing {

// Qt keeps the events posted to an object in a per-thread list whose spare
// capacity still holds the addresses of objects whose events were delivered
// or removed. LeakSanitizer scans that memory and takes a leaked window for
// reachable. Before the leak check at exit, fill the list with events for a
// short-lived object, so only live references remain.
inline void clearStaleEventReferences() {
    QObject sink;
    for (int i = 0; i < 4096; ++i) QCoreApplication::postEvent(&sink, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&sink);
}

}  // namespace torvane::ui::testing
