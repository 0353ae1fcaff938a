// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's controls, chart, menus and tab order, in twips.
#include "design/MainWindow.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "design/DesignTexts.h"
#include "game/Columns.h"

namespace torvane::design {
namespace {

// The number table: twelve rows of three under one wide zero cell, on a
// pitch of 480 (a 465 cell and a 15 gap).
Twips cellRect(int n) {
    if (n == 0) return {120, 120, 1425, 465};
    return {120 + 480 * ((n - 1) % 3), 600 + 480 * ((n - 1) / 3), 465, 465};
}

const char* cellName(int n) {
    static const auto names = [] {
        std::array<std::string, kNumberCount> all;
        for (int i = 0; i < kNumberCount; ++i)
            all.at(static_cast<std::size_t>(i)) = "lbl0_" + std::to_string(i);
        return all;
    }();
    return names.at(static_cast<std::size_t>(n)).c_str();
}
const char* cellText(int n) {
    static const auto texts = [] {
        std::array<std::string, kNumberCount> all;
        for (int i = 0; i < kNumberCount; ++i)
            all.at(static_cast<std::size_t>(i)) = std::to_string(i);
        return all;
    }();
    return texts.at(static_cast<std::size_t>(n)).c_str();
}

std::vector<Control> clientControls() {
    std::vector<Control> c;
    c.reserve(kNumberCount + 16);
    for (int n = 0; n < kNumberCount; ++n) {
        // The designed "default text colour" is black, and stays black on
        // the green in every desktop theme.
        c.push_back({.name = cellName(n),
                     .text = cellText(n),
                     .rect = cellRect(n),
                     .font = {Face::MsSansSerif, 13.5, true},
                     .fore = kBlack,
                     .back = kCellDarkGreen,
                     .align = Align::Centre,
                     .border = true,
                     .tabIndex = 5 + n});
    }
    const struct {
        const char* name;
        int left;
        const char* accessibleName;
        const char* description;
    } boxes[] = {
        {"lblleft", 120, "Left column stake",
         "Left column stake. Left click places one bet increment from the bank; right click "
         "takes it back."},
        {"lblmiddle", 600, "Middle column stake",
         "Middle column stake. Left click places one bet increment from the bank; right click "
         "takes it back."},
        {"lblright", 1080, "Right column stake",
         "Right column stake. Left click places one bet increment from the bank; right click "
         "takes it back."}};
    int boxIndex = 0;
    for (const auto& box : boxes) {
        c.push_back({.name = box.name,
                     .text = "0",
                     .rect = {box.left, 6360, 465, 525},
                     .font = {Face::MsSansSerif, 8.25, true},
                     .fore = kWhite,
                     .back = kBetBoxGreen,
                     .align = Align::Centre,
                     .border = true,
                     .tabIndex = boxIndex++,
                     .event = Event::MouseUp,
                     .accessibleName = box.accessibleName,
                     .description = box.description});
    }

    const Font bold975{Face::MsSansSerif, 9.75, true};
    const Font bold135{Face::MsSansSerif, 13.5, true};
    c.push_back({.name = "lblspin",
                 .text = "Spin History",
                 .rect = {2460, -30, 2130, 435},
                 .font = {Face::MsSansSerif, 18, true},
                 .autoSize = true,
                 .tabIndex = 42});
    c.push_back({.name = "lsthistory",
                 .kind = Kind::ListBox,
                 .rect = {1860, 630, 1755, 2460},
                 .font = bold975,
                 .fore = kHistoryRed,
                 .back = kBlack,
                 .tabIndex = 51,
                 .accessibleName = "Spin history",
                 .description = "The last ten spins: spin number and number drawn."});
    // Designed black on the default face.
    c.push_back({.name = "Label4",
                 .text = "WINNINGS",
                 .rect = {2910, 3360, 1185, 240},
                 .font = bold975,
                 .fore = kBlack,
                 .align = Align::Centre,
                 .autoSize = true,
                 .tabIndex = 50});
    c.push_back({.name = "lblwin",
                 .rect = {3450, 3630, 120, 360},
                 .font = bold135,
                 .fore = kBlack,
                 .align = Align::Centre,
                 .autoSize = true,
                 .tabIndex = 4,
                 .description = "Winnings not yet in the bank",
                 .labelledBy = "Label4"});
    c.push_back({.name = "Label3",
                 .text = "Money in the bank",
                 .rect = {1650, 4500, 1335, 255},
                 .tabIndex = 48});
    c.push_back({.name = "txtbank",
                 .kind = Kind::TextBox,
                 .text = "1000",
                 .rect = {3060, 4470, 795, 315},
                 .tabIndex = 47,
                 .accessibleName = "Money in the bank"});
    c.push_back({.name = "cmdtransfer",
                 .kind = Kind::Button,
                 .text = "Transfer winnings to bank.",
                 .rect = {3990, 4365, 1425, 525},
                 .tabIndex = 49,
                 .event = Event::Click,
                 .accessibleName = "Transfer winnings to bank"});
    c.push_back({.name = "Label1",
                 .text = "Bet increment.",
                 .rect = {1650, 5355, 1035, 225},
                 .tabIndex = 44});
    // The currency sign in front of the increment.
    c.push_back({.name = "Label2",
                 .text = "R",
                 .rect = {2760, 5325, 195, 285},
                 .font = {Face::MsSansSerif, 12, true},
                 .tabIndex = 45});
    c.push_back({.name = "txtbets",
                 .kind = Kind::TextBox,
                 .text = "25",
                 .rect = {3000, 5325, 495, 285},
                 .maxLength = 4,
                 .tabIndex = 43,
                 .accessibleName = "Bet increment"});
    // Yellow diamond road signs with a black arrow: the help's "yellow
    // up/down arrows".
    c.push_back({.name = "cmddbldown",
                 .kind = Kind::PictureButton,
                 .rect = {3870, 5190, 555, 555},
                 .tabIndex = 53,
                 .event = Event::Click,
                 .picture = "arrow-down.svg",
                 .accessibleName = "Halve the bet increment"});
    c.push_back({.name = "cmddblup",
                 .kind = Kind::PictureButton,
                 .rect = {4710, 5190, 555, 555},
                 .tabIndex = 52,
                 .event = Event::Click,
                 .picture = "arrow-up.svg",
                 .accessibleName = "Double the bet increment"});
    c.push_back({.name = "cmdspin",
                 .kind = Kind::Button,
                 .text = "SPIN",
                 .rect = {2340, 6150, 1035, 525},
                 .tabIndex = 3,
                 .event = Event::Click,
                 .description = "Draws a number and settles the stakes"});
    c.push_back({.name = "cmdreset",
                 .kind = Kind::Button,
                 .text = "New Game",
                 .rect = {3900, 6150, 1035, 525},
                 .tabIndex = 46,
                 .event = Event::Click,
                 .description = "Restores the starting bank and clears the table"});
    c.push_back({.name = "frmpopular",
                 .kind = Kind::Frame,
                 .text = "Most Popular Row",
                 .rect = {3870, 540, 1515, 2535},
                 .fore = kLightGreen,
                 .back = kBlack,
                 .tabIndex = 54,
                 .description =
                     "How often zero and each column came up in the current window of 50 spins"});
    return c;
}

std::vector<Control> chartCaptions() {
    const Font small{Face::MsSansSerif, 9.75, true};
    const auto caption = [](const char* name, const char* text, Twips rect, Font font, int tab) {
        return Control{.name = name,
                       .text = text,
                       .rect = rect,
                       .font = font,
                       .fore = kLightGreen,
                       .back = kBlack,
                       .autoSize = true,
                       .tabIndex = tab};
    };
    return {caption("Label5", "L", {240, 2070, 135, 240}, small, 55),
            caption("Label6", "M", {510, 2070, 195, 240}, small, 56),
            caption("Label7", "R", {840, 2070, 180, 240}, small, 57),
            caption("Label8", "0", {1170, 2040, 165, 300}, {Face::MsSansSerif, 12, true}, 58)};
}

MainWindowDesign build() {
    MainWindowDesign d{
        // Designed with two blanks; the load handler writes the title.
        .window = {.name = "frmdiduvor", .caption = "  ", .rect = {3255, 1125, 5550, 7020}},
        .icon = "sunglasses.svg",
        .controls = clientControls(),
        .chartFrame = "frmpopular",
        // Fixed lower end at 1950, just above the captions; designed top at 420.
        .lines = {{"ln0", 1230, 1950, 420, 3, kLightGreen, "Zero"},
                  {"lnl", 300, 1950, 420, 4, kLightGreen, "Left column"},
                  {"lnm", 585, 1950, 420, 4, kLightGreen, "Middle column"},
                  {"lnr", 900, 1950, 420, 4, kLightGreen, "Right column"}},
        .chartCaptions = chartCaptions(),
        // The titles carry no access letter; no item has a shortcut key.
        .menus = {{"file", "File", {{"exit", "&Exit"}}},
                  {"view", "View", {{"newgame", "New Game"}}},
                  {"hlep",
                   "Help",
                   {{"help", "&Help"},
                    {"about", "&About"},
                    {"bar", ""},
                    {"mailme", "Mail me your winning method."},
                    {"email", "My website"}}}},
        .firstFocus = "cmdspin",
    };
    return d;
}

}  // namespace

const MainWindowDesign& mainWindow() {
    return forLanguage(build);
}

const Control& control(const std::string& name) {
    const MainWindowDesign& d = mainWindow();
    for (const auto* list : {&d.controls, &d.chartCaptions}) {
        for (const Control& c : *list) {
            if (name == c.name) return c;
        }
    }
    throw std::out_of_range("the main window has no control " + name);
}

const Control& numberCell(int number) {
    return mainWindow().controls.at(static_cast<std::size_t>(number));
}

const Control& betBox(Box box) {
    return mainWindow().controls.at(kNumberCount + static_cast<std::size_t>(box));
}

const Line& chartLine(Bar bar) {
    return mainWindow().lines.at(static_cast<std::size_t>(bar));
}

std::optional<int> numberOf(const Control& c) {
    const Control* first = &numberCell(0);
    if (&c < first || &c >= first + kNumberCount) return std::nullopt;
    return static_cast<int>(&c - first);
}

std::optional<Box> betBoxOf(const Control& c) {
    for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
        if (&c == &betBox(box)) return box;
    }
    return std::nullopt;
}

std::vector<const Control*> tabOrder() {
    std::vector<const Control*> order;
    for (const Control& c : mainWindow().controls) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    const auto first = std::find_if(order.begin(), order.end(), [](const Control* c) {
        return std::string(c->name) == mainWindow().firstFocus;
    });
    std::rotate(order.begin(), first, order.end());
    return order;
}

std::vector<const Control*> focusChain(bool betBoxes) {
    std::vector<const Control*> chain;
    for (const Control* c : tabOrder()) {
        if (takesFocus(*c) || (betBoxes && betBoxOf(*c))) chain.push_back(c);
    }
    return chain;
}

}  // namespace torvane::design
