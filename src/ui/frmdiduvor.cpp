// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's event wiring and handlers.
#include "ui/frmdiduvor.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
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

// Each control event and menu item reaches its handler; no other event of
// any control has one.
void frmdiduvor::connectEvents() {
    const MainWindowControls& c = controls_;
    connect(c.cmdspin, &QPushButton::clicked, this, &frmdiduvor::cmdspin_Click);
    connect(c.cmdreset, &QPushButton::clicked, this, &frmdiduvor::cmdreset_Click);
    connect(c.cmdtransfer, &QPushButton::clicked, this, &frmdiduvor::cmdtransfer_Click);
    connect(c.cmddblup, &QPushButton::clicked, this, &frmdiduvor::cmddblup_Click);
    connect(c.cmddbldown, &QPushButton::clicked, this, &frmdiduvor::cmddbldown_Click);
    connect(c.betBox(Box::Left), &BetBox::mouseUp, this, &frmdiduvor::lblleft_MouseUp);
    connect(c.betBox(Box::Middle), &BetBox::mouseUp, this, &frmdiduvor::lblmiddle_MouseUp);
    connect(c.betBox(Box::Right), &BetBox::mouseUp, this, &frmdiduvor::lblright_MouseUp);

    connect(c.exit, &QAction::triggered, this, &frmdiduvor::exit_Click);
    connect(c.newgame, &QAction::triggered, this, &frmdiduvor::newgame_Click);
    connect(c.help, &QAction::triggered, this, &frmdiduvor::help_Click);
    connect(c.about, &QAction::triggered, this, &frmdiduvor::about_Click);
    connect(c.mailme, &QAction::triggered, this, &frmdiduvor::mailme_Click);
    connect(c.email, &QAction::triggered, this, &frmdiduvor::email_Click);
}

void frmdiduvor::setKeyboardMode(bool on) {
    keyboardMode_ = on;
    letBetBoxesTakeFocus(controls_, on);
    services_.setKeyboardMode(on);
}

// --- the window's own events -------------------------------------------------

void frmdiduvor::Form_Load() {
    table_.load();
}

// Unloads the About and help windows if they are loaded; the main window
// then closes and, with no window left, the process ends.
void frmdiduvor::Form_Unload() {
    services_.unloadWindows();
}

void frmdiduvor::closeEvent(QCloseEvent* event) {
    Form_Unload();
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

// --- controls ----------------------------------------------------------------

void frmdiduvor::cmdspin_Click() {
    table_.spin();
}
void frmdiduvor::cmdreset_Click() {
    table_.newGame();
}
void frmdiduvor::cmdtransfer_Click() {
    table_.transfer();
}
void frmdiduvor::cmddblup_Click() {
    table_.doubleIncrement();
}
void frmdiduvor::cmddbldown_Click() {
    table_.halveIncrement();
}
void frmdiduvor::lblleft_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Left, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}
void frmdiduvor::lblmiddle_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Middle, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}
void frmdiduvor::lblright_MouseUp(int button, int shift, float x, float y) {
    table_.bet(Box::Right, static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
}

// --- menus -------------------------------------------------------------------

void frmdiduvor::exit_Click() {
    close();
}
void frmdiduvor::newgame_Click() {
    table_.newGameFromMenu();
}
void frmdiduvor::help_Click() {
    services_.showHelpWindow();
}
void frmdiduvor::about_Click() {
    services_.showAboutWindow();
}
void frmdiduvor::mailme_Click() {
    services_.openUrl(QUrl(kMailAddress));
}
void frmdiduvor::email_Click() {
    services_.openUrl(QUrl(kWebsite));
}

}  // namespace torvane::ui
