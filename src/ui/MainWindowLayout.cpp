// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's widgets, built from the designed layout: every control's
// name, text, geometry, colours and font, the chart, the menus and the tab
// order.
#include "ui/MainWindowLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpressionValidator>

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/Pictures.h"

namespace torvane::ui {
namespace {

namespace d = torvane::design;

Qt::Alignment alignment(d::Align align) {
    switch (align) {
        case d::Align::Centre:
            return Qt::AlignCenter;
        case d::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case d::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Gives the widget its colours, unless it has them already: a spin recolours
// all 37 cells, most of them to the colour they have.
void setColours(QWidget* widget, Rgb text, Rgb background) {
    widget->setAutoFillBackground(true);
    const QPalette& current = widget->palette();
    if (current.color(QPalette::WindowText) == qColor(text) &&
        current.color(QPalette::Window) == qColor(background) &&
        widget->testAttribute(Qt::WA_SetPalette)) {
        return;
    }
    QPalette palette = current;
    palette.setColor(QPalette::WindowText, qColor(text));
    palette.setColor(QPalette::Window, qColor(background));
    widget->setPalette(palette);
}

void describe(QWidget* widget, const d::Control& c) {
    if (c.accessibleName != nullptr && !d::betBoxOf(c)) widget->setAccessibleName(c.accessibleName);
    if (c.description != nullptr) widget->setAccessibleDescription(c.description);
}

// A label with its designed font, alignment, border and colours. Bet boxes
// report their mouse releases; a text designed black on the default face
// stays readable in a dark theme; an auto-size label follows its text from
// a fixed top-left corner.
QLabel* makeLabel(const d::Control& c, QWidget* parent) {
    QLabel* label = nullptr;
    const bool blackOnFace = c.fore == d::kBlack && !c.back;
    if (d::betBoxOf(c)) {
        label = new BetBox(c.text, parent);
    } else if (blackOnFace) {
        label = new BlackOnFaceLabel(c.text, parent);
    } else {
        label = new QLabel(c.text, parent);
    }
    label->setObjectName(c.name);
    label->setFont(qFont(c.font));
    label->setAlignment(alignment(c.align));
    label->setGeometry(twipsRect(c.rect));
    label->setAutoFillBackground(true);
    if (c.autoSize && *c.text != '\0') label->adjustSize();
    if (c.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (d::betBoxOf(c)) {
        // The focus frame shows only in keyboard mode, the one mode in which
        // a box takes the focus.
        static_cast<BetBox*>(label)->setEdgeColours(qColor(d::kBlack), qColor(d::kFocusYellow));
    }
    if (c.fore && c.back) setColours(label, *c.fore, *c.back);
    describe(label, c);
    return label;
}

QLineEdit* makeTextBox(const d::Control& c, QWidget* parent) {
    auto* edit = new QLineEdit(c.text, parent);
    edit->setObjectName(c.name);
    edit->setGeometry(twipsRect(c.rect));
    if (c.maxLength > 0) {
        // Typing is limited; the game may still write longer values.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QString("(?s).{0,%1}").arg(c.maxLength)), edit));
    }
    describe(edit, c);
    return edit;
}

// No button is the window's default (Enter) button.
QPushButton* makeButton(const d::Control& c, QWidget* parent) {
    QPushButton* button = nullptr;
    if (c.kind == d::Kind::PictureButton) {
        button = new QPushButton(parent);
        button->setIcon(svgIcon(picturePath(c.picture)));
        button->setIconSize(QSize(32, 32));
    } else {
        button = new CaptionButton(c.text, parent);
    }
    button->setObjectName(c.name);
    button->setGeometry(twipsRect(c.rect));
    describe(button, c);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QListWidget* makeList(const d::Control& c, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(c.name);
    list->setGeometry(twipsRect(c.rect));
    list->setFont(qFont(c.font));
    // Red on black, its one-pixel frame black too.
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, qColor(*c.back));
    colours.setColor(QPalette::WindowText, qColor(*c.back));
    colours.setColor(QPalette::Text, qColor(*c.fore));
    list->setPalette(colours);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    describe(list, c);
    return list;
}

// The frame with its chart: the four lines and the captions under them.
QGroupBox* makeChart(const d::Control& c, QWidget* parent) {
    auto* frame = new CaptionFrame(c.text, qColor(*c.fore), qColor(*c.back), parent);
    frame->setObjectName(c.name);
    frame->setGeometry(twipsRect(c.rect));
    frame->setFont(qFont(c.font));
    describe(frame, c);
    for (const d::Line& line : d::mainWindow().lines) {
        auto* chartLine =
            new ChartLine(frame, line.x, line.y1, line.y2, line.widthPx, qColor(line.colour));
        chartLine->setObjectName(line.name);
    }
    for (const d::Control& caption : d::mainWindow().chartCaptions) makeLabel(caption, frame);
    return frame;
}

QWidget* makeControl(const d::Control& c, QWidget* parent) {
    switch (c.kind) {
        case d::Kind::Label:
            return makeLabel(c, parent);
        case d::Kind::TextBox:
            return makeTextBox(c, parent);
        case d::Kind::Button:
        case d::Kind::PictureButton:
            return makeButton(c, parent);
        case d::Kind::ListBox:
            return makeList(c, parent);
        case d::Kind::Frame:
            return makeChart(c, parent);
        case d::Kind::Image:
            break;
    }
    return nullptr;  // the main window has no image
}

// The menu titles carry no access letter; no item has a shortcut key.
QHash<QString, QAction*> buildMenus(QMenuBar* bar) {
    QHash<QString, QAction*> items;
    for (const d::Menu& m : d::mainWindow().menus) {
        QMenu* menu = bar->addMenu(m.title);
        menu->setObjectName(m.name);
        for (const d::MenuItem& item : m.items) {
            QAction* action =
                item.separator() ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(item.name);
            items.insert(item.name, action);
        }
    }
    return items;
}

// Only the designed chain of eight takes the keyboard focus, in the designed
// order; labels, the frame and the lines never do.
void setTabOrderFromDesign(const QWidget* client) {
    QWidget* previous = nullptr;
    for (const d::Control* c : d::focusChain(false)) {
        auto* widget = client->findChild<QWidget*>(c->name);
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

template <class T>
T* built(const QHash<QString, QWidget*>& widgets, const char* name) {
    return static_cast<T*>(widgets.value(name));
}

}  // namespace

void letBetBoxesTakeFocus(const MainWindowControls& c, bool on) {
    const std::vector<const d::Control*> chain = d::focusChain(true);
    QWidget* previous = nullptr;
    for (const d::Control* control : chain) {
        auto* widget = c.cmdspin->parentWidget()->findChild<QWidget*>(control->name);
        auto* box = qobject_cast<BetBox*>(widget);
        if (box != nullptr) {
            if (!on && box->hasFocus()) c.cmdspin->setFocus();
            box->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
            if (on) QWidget::setTabOrder(previous, box);
        }
        previous = widget;
    }
}

void colourCell(QLabel* cell, int number, Rgb colour) {
    const bool wasDrawn = cell->palette().color(QPalette::Window) == qColor(kCellBrightGreen);
    setColours(cell, *d::numberCell(number).fore, colour);
    const bool drawn = colour == kCellBrightGreen;
    if (drawn == wasDrawn && !cell->accessibleDescription().isEmpty()) return;
    cell->setAccessibleDescription(
        QString::fromStdString(d::cellDescription(number, colour == kCellBrightGreen)));
}

MainWindowControls buildMainWindow(QMainWindow& window) {
    const d::MainWindowDesign& design = d::mainWindow();
    // Qt's text boxes lay out their text in the application's font before
    // they take the window's: while the window is built, the application
    // font is the window's, so that no other font is looked for and loaded
    // for nothing. The desktop's comes back at the end, for the menus and
    // the message boxes.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(qFont(design.window.font));
    window.setWindowTitle(design.window.caption);
    window.setWindowIcon(svgIcon(picturePath(design.icon)));
    window.setFont(qFont(design.window.font));

    auto* client = new QWidget(&window);
    client->setObjectName("client");
    window.setCentralWidget(client);

    QHash<QString, QWidget*> widgets;
    for (const d::Control& c : design.controls) widgets.insert(c.name, makeControl(c, client));

    MainWindowControls c;
    for (int n = 0; n < kNumberCount; ++n) {
        auto* cell = built<QLabel>(widgets, d::numberCell(n).name);
        colourCell(cell, n, *d::numberCell(n).back);
        c.lbl0.at(static_cast<std::size_t>(n)) = cell;
    }
    for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
        c.betBoxes.at(static_cast<std::size_t>(box)) = built<BetBox>(widgets, d::betBox(box).name);
    }
    c.lblwin = built<QLabel>(widgets, "lblwin");
    c.lsthistory = built<QListWidget>(widgets, "lsthistory");
    c.frmpopular = built<QGroupBox>(widgets, design.chartFrame);
    for (const Bar bar : {Bar::Zero, Bar::Left, Bar::Middle, Bar::Right}) {
        c.lines.at(static_cast<std::size_t>(bar)) =
            c.frmpopular->findChild<ChartLine*>(d::chartLine(bar).name);
    }
    c.txtbank = built<QLineEdit>(widgets, "txtbank");
    c.txtbets = built<QLineEdit>(widgets, "txtbets");
    c.cmdtransfer = built<QPushButton>(widgets, "cmdtransfer");
    c.cmddbldown = built<QPushButton>(widgets, "cmddbldown");
    c.cmddblup = built<QPushButton>(widgets, "cmddblup");
    c.cmdspin = built<QPushButton>(widgets, "cmdspin");
    c.cmdreset = built<QPushButton>(widgets, "cmdreset");

    const QHash<QString, QAction*> items = buildMenus(window.menuBar());
    c.exit = items.value("exit");
    c.newgame = items.value("newgame");
    c.help = items.value("help");
    c.about = items.value("about");
    c.mailme = items.value("mailme");
    c.email = items.value("email");

    setTabOrderFromDesign(client);
    widgets.value(design.firstFocus)->setFocus();
    QApplication::setFont(desktopFont);
    window.resize(px(design.window.rect.width),
                  px(design.window.rect.height) + window.menuBar()->sizeHint().height());
    return c;
}

}  // namespace torvane::ui
