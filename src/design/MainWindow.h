// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/Layout.h"
#include "game/TableView.h"

// The main window frmdiduvor as designed.
namespace torvane::design {

struct MainWindowDesign {
    Window window;
    const char* icon;  // a file in pictures/
    // Every control on the client area in the order it is built, which is
    // also the order in which later ones are drawn over earlier ones: the
    // number cells lbl0(0) to lbl0(36) (named lbl0_0 .. lbl0_36), the bet
    // boxes, then the rest.
    std::vector<Control> controls;
    // The chart inside the frame frmpopular: its lines, in Bar order (ln0,
    // lnl, lnm, lnr), and the captions under them.
    const char* chartFrame;
    std::vector<Line> lines;
    std::vector<Control> chartCaptions;
    std::vector<Menu> menus;
    // The control that has the focus when the window is first shown.
    const char* firstFocus;
};

const MainWindowDesign& mainWindow();

// The control named `name` (on the client area or in the chart frame);
// throws std::out_of_range for a name the design does not have.
const Control& control(const std::string& name);
// lbl0(number): named lbl0_<number>.
const Control& numberCell(int number);
// lblleft, lblmiddle, lblright.
const Control& betBox(Box box);
// ln0, lnl, lnm, lnr.
const Line& chartLine(Bar bar);
// The number a main-window control shows, if it is one of the number cells.
std::optional<int> numberOf(const Control& c);
// The column a main-window control stakes on, if it is a bet box.
std::optional<Box> betBoxOf(const Control& c);

// Every control on the client area in the order of the designed tab
// indices, from the one that has the focus at start.
std::vector<const Control*> tabOrder();
// The controls the Tab key runs through, in that order: the designed chain
// of eight, and with `betBoxes` the three bet boxes too, which stand at the
// designed tab indices 0 to 2 and so come after the last of the eight.
std::vector<const Control*> focusChain(bool betBoxes);

// The two addresses of the Help menu's links.
inline constexpr const char* kMailAddress = "mailto:winning-methods@example.org";
inline constexpr const char* kWebsite = "http://www.example.org/torvane/";

}  // namespace torvane::design
