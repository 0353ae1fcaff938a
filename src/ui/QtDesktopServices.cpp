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

// Each window shown modally is freed here, once its loop has returned, so
// nothing deletes a window while its own exec() is still running.
void QtDesktopServices::showHelpWindow() {
    help_ = new frmhelp(mainWindow_, keyboardMode_);  // built afresh, with its text
    helpShowing_ = true;
    help_->exec();
    helpShowing_ = false;
    delete help_;
}

void QtDesktopServices::showAboutWindow() {
    loadAboutWindow();
    aboutShowing_ = true;
    about_->exec();
    aboutShowing_ = false;
    delete about_;  // unloaded: the next showing loads it again
}

// A window in its modal loop is closed, and freed by the showing above when
// the loop has returned; a window loaded hidden is freed now.
template <class Window>
void QtDesktopServices::unload(QPointer<Window>& window, bool inModalLoop) {
    if (!window) return;
    if (inModalLoop) {
        window->done(QDialog::Rejected);
    } else {
        delete window;
    }
}

void QtDesktopServices::unloadWindows() {
    unload(about_, aboutShowing_);
    unload(help_, helpShowing_);
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
