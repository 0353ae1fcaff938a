// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/QtDesktopServices.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QTime>
#include <QUrl>

#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui {

QtDesktopServices::QtDesktopServices() = default;

QtDesktopServices::~QtDesktopServices() {
    delete about_;
    delete help_;
}

void QtDesktopServices::setMainWindow(QWidget* window) {
    mainWindow_ = window;
}

void QtDesktopServices::showMessage(const Message& message) {
    const auto icon =
        message.style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.prompt), QMessageBox::Ok, mainWindow_);
    box.setObjectName("messageBox");
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtDesktopServices::loadAboutWindow() {
    if (!about_) about_ = new frmabout(mainWindow_);  // runs its load handler
}

int QtDesktopServices::secondOfMinute() {
    return QTime::currentTime().second();
}

float QtDesktopServices::nextRandom() {
    return generator_.next();
}

void QtDesktopServices::showHelpWindow() {
    help_ = new frmhelp(mainWindow_, keyboardMode_);  // built afresh, with its text
    help_->exec();
    delete help_;
}

void QtDesktopServices::showAboutWindow() {
    loadAboutWindow();
    about_->exec();
    delete about_;  // unloaded: the next showing loads it again
}

// A window shown modally is closed, and unloaded where it was shown, once
// its showing has returned: deleting it here would free it under its own
// exec(). A window loaded hidden is unloaded now.
void QtDesktopServices::unloadWindows() {
    const bool aboutShown = about_ && about_->isVisible();
    const bool helpShown = help_ && help_->isVisible();
    if (aboutShown) about_->done(QDialog::Rejected);
    if (helpShown) help_->done(QDialog::Rejected);
    if (about_ && !aboutShown) delete about_;
    if (help_ && !helpShown) delete help_;
}

void QtDesktopServices::setKeyboardMode(bool on) {
    keyboardMode_ = on;
}

void QtDesktopServices::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

frmabout* QtDesktopServices::aboutWindow() const {
    return about_;
}
frmhelp* QtDesktopServices::helpWindow() const {
    return help_;
}

}  // namespace torvane::ui
