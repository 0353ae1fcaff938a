// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QLabel>
#include <array>

#include "game/Columns.h"
#include "game/TableView.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;

namespace torvane::ui {

class BetBox;
class ChartLine;

// The main window's controls, as the designed layout builds them. Each has
// its designed name as objectName (lbl0_0 .. lbl0_36 for the number cells).
struct MainWindowControls {
    std::array<QLabel*, kNumberCount> lbl0{};
    std::array<BetBox*, 3> betBoxes{};  // lblleft, lblmiddle, lblright, in Box order
    QLabel* lblwin = nullptr;
    QListWidget* lsthistory = nullptr;
    QGroupBox* frmpopular = nullptr;
    std::array<ChartLine*, 4> lines{};  // ln0, lnl, lnm, lnr, in Bar order
    QLineEdit* txtbank = nullptr;
    QLineEdit* txtbets = nullptr;
    QPushButton* cmdtransfer = nullptr;
    QPushButton* cmddbldown = nullptr;
    QPushButton* cmddblup = nullptr;
    QPushButton* cmdspin = nullptr;
    QPushButton* cmdreset = nullptr;

    // The menu items.
    QAction* exit = nullptr;
    QAction* newgame = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
    QAction* mailme = nullptr;
    QAction* email = nullptr;

    BetBox* betBox(Box box) const { return betBoxes.at(static_cast<std::size_t>(box)); }
    ChartLine* line(Bar bar) const { return lines.at(static_cast<std::size_t>(bar)); }
};

// Builds every control of the main window with its designed text,
// geometry, colours and font, the menu bar and the tab order, and sizes the
// window. Events are connected by the window.
MainWindowControls buildMainWindow(QMainWindow& window);

// Lets the bet boxes take the focus, or not, by the keyboard (never by a
// click). Taking it, they stand at their designed tab indices 0 to 2, before
// cmdspin: Tab runs from cmddbldown through lblleft, lblmiddle and lblright
// back to cmdspin. Not taking it, the designed chain of eight controls is
// left as it is.
void letBetBoxesTakeFocus(const MainWindowControls& controls, bool on);

// Gives number cell `number` its background colour, and says in its
// accessible description whether it is the number just drawn.
void colourCell(QLabel* cell, int number, Rgb colour);

}  // namespace torvane::ui
