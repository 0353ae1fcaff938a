// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/ScreenReaderStatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QThread>

namespace torvane::ui {

ScreenReaderStatus::ScreenReaderStatus(QObject* parent) : QObject(parent) {}

// A thread still connecting cannot be stopped or joined; it is left to the
// end of the process, which the caller then ends without waiting for it.
// The connection is the process's shared one (Qt's accessibility bridge
// uses it too), which Qt closes itself.
ScreenReaderStatus::~ScreenReaderStatus() {
    if (connecting_ == nullptr) return;
    if (connecting_->isFinished()) delete connecting_;
}

void ScreenReaderStatus::start() {
    if (connecting_ != nullptr || asked_) return;
    // Where Qt's accessibility bridge has connected the process to the
    // session bus already, as it does when a window is first shown on a
    // desktop with a bus, the question goes out on that connection at once,
    // without a thread of its own.
    if (QDBusConnection(QStringLiteral("qt_default_session_bus")).isConnected()) {
        ask();
        return;
    }
    // The shared session connection: one connection to the bus for the
    // process, made here unless Qt's bridge has made it already.
    connecting_ = QThread::create([] { QDBusConnection::sessionBus(); });
    connect(connecting_, &QThread::finished, this, &ScreenReaderStatus::ask);
    connecting_->start();
}

bool ScreenReaderStatus::stillConnecting(int grace) const {
    return connecting_ != nullptr && !connecting_->wait(QDeadlineTimer(grace));
}

void ScreenReaderStatus::ask() {
    asked_ = true;
    const QDBusConnection bus = QDBusConnection::sessionBus();  // connected, or failed
    if (!bus.isConnected()) return;
    QDBusMessage get = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << QString("org.a11y.Status") << QString("ScreenReaderEnabled");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (reply.isValid() && reply.value().variant().toBool()) {
                    emit screenReaderEnabled();
                }
                call->deleteLater();
            });
}

}  // namespace torvane::ui
