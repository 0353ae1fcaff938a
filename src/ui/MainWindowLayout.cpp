// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The designed layout of the main window: every control's name, text,
// geometry in twips, colours and font, the menus and the tab order.
#include "ui/MainWindowLayout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpressionValidator>

#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui {
namespace {

constexpr Rgb kBlack{0, 0, 0};

// Gives a label its designed font, text alignment, border and colours.
// Auto-size labels follow their text from a fixed top-left corner.
template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop,
                 bool autoSize = false) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(align);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    if (autoSize) label->adjustSize();
    return label;
}

void setColours(QWidget* widget, Rgb text, Rgb background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qColor(text));
    palette.setColor(QPalette::Window, qColor(background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void buildTable(QWidget* client, MainWindowControls& c) {
    const QFont cellFont = designFont("MS Sans Serif", 13.5, true);
    for (int n = 0; n < kNumberCount; ++n) {
        const QRect cell =
            n == 0 ? twipsRect(120, 120, 1425, 465)
                   : twipsRect(120 + 480 * ((n - 1) % 3), 600 + 480 * ((n - 1) / 3), 465, 465);
        const QByteArray name = "lbl0_" + QByteArray::number(n);
        QLabel* label = makeLabel(client, name.constData(), QString::number(n), cell, cellFont,
                                  Qt::AlignCenter);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        colourCell(label, n, kCellDarkGreen);
        c.lbl0[static_cast<std::size_t>(n)] = label;
    }

    const QFont boxFont = designFont("MS Sans Serif", 8.25, true);
    const struct {
        const char* name;
        int left;
        const char* column;
    } boxes[] = {
        {"lblleft", 120, "Left"}, {"lblmiddle", 600, "Middle"}, {"lblright", 1080, "Right"}};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        auto* box =
            makeLabel<BetBox>(client, boxes[i].name, "0", twipsRect(boxes[i].left, 6360, 465, 525),
                              boxFont, Qt::AlignCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        // The focus frame shows only in keyboard mode, the one mode in which
        // a box takes the focus: yellow, which stands out on the box's own
        // green and against a light or a dark window behind it.
        box->setStyleSheet(
            "QLabel { background-color: rgb(0, 128, 0); color: white;"
            " border: 1px solid black; }"
            " QLabel:focus { border: 2px solid rgb(255, 255, 0); }");
        box->setAccessibleDescription(
            QString("%1 column stake. Left click places one bet increment from the bank; right "
                    "click takes it back.")
                .arg(boxes[i].column));
        c.betBoxes.at(i) = box;
    }
}

void buildControls(QWidget* client, MainWindowControls& c) {
    makeLabel(client, "lblspin", "Spin History", twipsRect(2460, -30, 2130, 435),
              designFont("MS Sans Serif", 18, true), Qt::AlignLeft | Qt::AlignTop, true);

    c.lsthistory = new QListWidget(client);
    c.lsthistory->setObjectName("lsthistory");
    c.lsthistory->setGeometry(twipsRect(1860, 630, 1755, 2460));
    c.lsthistory->setFont(designFont("MS Sans Serif", 9.75, true));
    c.lsthistory->setStyleSheet("QListWidget { background-color: black; color: red; }");
    c.lsthistory->setAccessibleName("Spin history");
    c.lsthistory->setAccessibleDescription("The last ten spins: spin number and number drawn.");

    // Designed black on the default face; readable on a dark theme's face too.
    makeLabel<BlackOnFaceLabel>(client, "Label4", "WINNINGS", twipsRect(2910, 3360, 1185, 240),
                                designFont("MS Sans Serif", 9.75, true), Qt::AlignCenter, true);
    c.lblwin = makeLabel<BlackOnFaceLabel>(client, "lblwin", "", twipsRect(3450, 3630, 120, 360),
                                           designFont("MS Sans Serif", 13.5, true), Qt::AlignCenter,
                                           false);
    c.lblwin->setAccessibleDescription("Winnings not yet in the bank");

    makeLabel(client, "Label3", "Money in the bank", twipsRect(1650, 4500, 1335, 255),
              windowFont());
    c.txtbank = new QLineEdit("1000", client);
    c.txtbank->setObjectName("txtbank");
    c.txtbank->setGeometry(twipsRect(3060, 4470, 795, 315));
    c.txtbank->setAccessibleName("Money in the bank");

    auto* transfer = new CaptionButton("Transfer winnings to bank.", client);
    transfer->setObjectName("cmdtransfer");
    transfer->setGeometry(twipsRect(3990, 4365, 1425, 525));
    transfer->setAccessibleName("Transfer winnings to bank");
    c.cmdtransfer = transfer;

    makeLabel(client, "Label1", "Bet increment.", twipsRect(1650, 5355, 1035, 225), windowFont());
    makeLabel(client, "Label2", "R", twipsRect(2760, 5325, 195, 285),
              designFont("MS Sans Serif", 12, true));
    c.txtbets = new QLineEdit("25", client);
    c.txtbets->setObjectName("txtbets");
    c.txtbets->setGeometry(twipsRect(3000, 5325, 495, 285));
    // Typing is limited to four characters; the game may still write longer values.
    c.txtbets->setValidator(
        new QRegularExpressionValidator(QRegularExpression("(?s).{0,4}"), c.txtbets));
    c.txtbets->setAccessibleName("Bet increment");

    const struct {
        QPushButton** button;
        const char* name;
        int left;
        const char* picture;
        const char* accessible;
    } arrows[] = {
        {&c.cmddbldown, "cmddbldown", 3870, ":/pictures/arrow-down.svg", "Halve the bet increment"},
        {&c.cmddblup, "cmddblup", 4710, ":/pictures/arrow-up.svg", "Double the bet increment"}};
    for (const auto& a : arrows) {
        auto* button = new QPushButton(client);
        button->setObjectName(a.name);
        button->setGeometry(twipsRect(a.left, 5190, 555, 555));
        button->setIcon(QIcon(a.picture));
        button->setIconSize(QSize(32, 32));
        button->setAccessibleName(a.accessible);
        *a.button = button;
    }

    auto* spin = new CaptionButton("SPIN", client);
    spin->setObjectName("cmdspin");
    spin->setGeometry(twipsRect(2340, 6150, 1035, 525));
    spin->setAccessibleDescription("Draws a number and settles the stakes");
    c.cmdspin = spin;
    auto* reset = new CaptionButton("New Game", client);
    reset->setObjectName("cmdreset");
    reset->setGeometry(twipsRect(3900, 6150, 1035, 525));
    reset->setAccessibleDescription("Restores the starting bank and clears the table");
    c.cmdreset = reset;

    // No button is the window's default (Enter) button.
    for (QPushButton* b : {c.cmdtransfer, c.cmddbldown, c.cmddblup, c.cmdspin, c.cmdreset}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void buildChart(QWidget* client, MainWindowControls& c) {
    c.frmpopular = new CaptionFrame("Most Popular Row", qColor(kLightGreen), Qt::black, client);
    c.frmpopular->setObjectName("frmpopular");
    c.frmpopular->setGeometry(twipsRect(3870, 540, 1515, 2535));
    c.frmpopular->setFont(windowFont());
    c.frmpopular->setAccessibleDescription(
        "How often zero and each column came up in the current window of 50 spins");

    // ln0, lnl, lnm, lnr: Bar order, fixed lower end at 1950, designed top at 420.
    const struct {
        const char* name;
        int x;
        int width;
    } lines[] = {{"ln0", 1230, 3}, {"lnl", 300, 4}, {"lnm", 585, 4}, {"lnr", 900, 4}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        c.lines.at(i) = new ChartLine(c.frmpopular, lines[i].x, 1950, 420, lines[i].width);
        c.lines.at(i)->setObjectName(lines[i].name);
    }

    const struct {
        const char* name;
        const char* text;
        QRect geometry;
        double points;
    } captions[] = {{"Label5", "L", twipsRect(240, 2070, 135, 240), 9.75},
                    {"Label6", "M", twipsRect(510, 2070, 195, 240), 9.75},
                    {"Label7", "R", twipsRect(840, 2070, 180, 240), 9.75},
                    {"Label8", "0", twipsRect(1170, 2040, 165, 300), 12}};
    for (const auto& caption : captions) {
        QLabel* label = makeLabel(c.frmpopular, caption.name, caption.text, caption.geometry,
                                  designFont("MS Sans Serif", caption.points, true),
                                  Qt::AlignLeft | Qt::AlignTop, true);
        label->setStyleSheet("QLabel { color: rgb(128, 255, 128); background-color: black; }");
        label->adjustSize();
    }
}

// The menu titles carry no access letter; no item has a shortcut key.
void buildMenus(QMenuBar* bar, MainWindowControls& c) {
    const auto addMenu = [bar](const char* name, const char* title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(name);
        return menu;
    };
    const auto addItem = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QMenu* file = addMenu("file", "File");
    c.exit = addItem(file, "exit", "&Exit");
    QMenu* view = addMenu("view", "View");
    c.newgame = addItem(view, "newgame", "New Game");
    QMenu* hlep = addMenu("hlep", "Help");
    c.help = addItem(hlep, "help", "&Help");
    c.about = addItem(hlep, "about", "&About");
    hlep->addSeparator()->setObjectName("bar");
    c.mailme = addItem(hlep, "mailme", "Mail me your winning method.");
    c.email = addItem(hlep, "email", "My website");
}

// Only these take the keyboard focus, in the designed order; labels, the
// frame and the lines never do.
void setTabOrderFromDesign(const MainWindowControls& c) {
    QWidget* const chain[] = {c.cmdspin,     c.txtbets,    c.cmdreset, c.txtbank,
                              c.cmdtransfer, c.lsthistory, c.cmddblup, c.cmddbldown};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

}  // namespace

void letBetBoxesTakeFocus(const MainWindowControls& c, bool on) {
    QWidget* previous = c.cmddbldown;
    for (BetBox* box : c.betBoxes) {
        if (!on && box->hasFocus()) c.cmdspin->setFocus();
        box->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
        if (on) QWidget::setTabOrder(previous, box);
        previous = box;
    }
}

void colourCell(QLabel* cell, int number, Rgb colour) {
    setColours(cell, kBlack, colour);
    cell->setAccessibleDescription(
        colour == kCellBrightGreen
            ? QString("Number %1, drawn by the last spin. Clicking it does nothing.").arg(number)
            : QString("Number %1 on the table. Clicking it does nothing.").arg(number));
}

MainWindowControls buildMainWindow(QMainWindow& window) {
    window.setWindowTitle("  ");
    window.setWindowIcon(QIcon(":/pictures/sunglasses.svg"));
    window.setFont(windowFont());

    auto* client = new QWidget(&window);
    client->setObjectName("client");
    window.setCentralWidget(client);

    MainWindowControls c;
    buildTable(client, c);
    buildControls(client, c);
    buildChart(client, c);
    buildMenus(window.menuBar(), c);
    setTabOrderFromDesign(c);
    c.cmdspin->setFocus();
    window.resize(px(5550), px(7020) + window.menuBar()->sizeHint().height());
    return c;
}

}  // namespace torvane::ui
