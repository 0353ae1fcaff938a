// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's event wiring and handlers.
#include "ui/frmdiduvor.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QUrl>

#include "ui/Controls.h"

namespace torvane::ui {

frmdiduvor::frmdiduvor(DesktopServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), view_(*this, controls_), table_(view_, services) {
    setObjectName("frmdiduvor");
    controls_ = buildMainWindow(*this);
    services_.setMainWindow(this);
    connectEvents();
}

frmdiduvor::~frmdiduvor() = default;

// Each control event and menu item reaches the handler the design names
// for it; no other event of any control has one.
void frmdiduvor::connectEvents() {
    for (const design::Control& c : design::mainWindow().controls) {
        const std::string handler = design::handlerName(c);
        if (handler.empty()) continue;
        auto* widget = findChild<QWidget*>(c.name);
        if (auto* box = qobject_cast<BetBox*>(widget)) {
            connect(box, &BetBox::mouseUp, this, [this, handler](int b, int s, float x, float y) {
                handlers_.fire(handler, {b, s, x, y});
            });
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, handler] { handlers_.fire(handler); });
        }
    }
    for (const design::Menu& menu : design::mainWindow().menus) {
        for (const design::MenuItem& item : menu.items) {
            const std::string handler = design::handlerName(item);
            if (handler.empty()) continue;
            connect(findChild<QAction*>(item.name), &QAction::triggered, this,
                    [this, handler] { handlers_.fire(handler); });
        }
    }
}

void frmdiduvor::setKeyboardMode(bool on) {
    keyboardMode_ = on;
    letBetBoxesTakeFocus(controls_, on);
    services_.setKeyboardMode(on);
}

// --- the window's own events -------------------------------------------------

// Closing the window by any means raises its Unload.
void frmdiduvor::closeEvent(QCloseEvent* event) {
    handlers_.Form_Unload();
    event->accept();
}

// Alt alone reaches the menu bar in every mode, as Qt does it. In keyboard
// mode F10 opens the first menu too, as on most Linux desktops; no other
// key of the window does anything.
void frmdiduvor::keyPressEvent(QKeyEvent* event) {
    if (keyboardMode_ && event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(menuBar()->actions().value(0));
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// --- what the handlers ask of the desktop ------------------------------------

void frmdiduvor::Actions::showHelpWindow() {
    window_.services_.showHelpWindow();
}
void frmdiduvor::Actions::showAboutWindow() {
    window_.services_.showAboutWindow();
}
void frmdiduvor::Actions::openAddress(const char* address) {
    window_.services_.openUrl(QUrl(QString::fromUtf8(address)));
}
void frmdiduvor::Actions::unloadMainWindow() {
    window_.close();
}
void frmdiduvor::Actions::unloadOtherWindows() {
    window_.services_.unloadWindows();
}

}  // namespace torvane::ui
