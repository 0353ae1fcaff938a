// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/PageTableView.h"

#include <algorithm>
#include <utility>

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "web/Page.h"

namespace torvane::web {
namespace {

constexpr const char* kBank = "txtbank";
constexpr const char* kBets = "txtbets";
constexpr const char* kWin = "lblwin";
constexpr const char* kHistory = "lsthistory";

}  // namespace

PageTableView::PageTableView() {
    for (int n = 0; n < kNumberCount; ++n) {
        cells_.at(static_cast<std::size_t>(n)) = *design::numberCell(n).back;
    }
}

void PageTableView::setCaption(const std::string& title) {
    page::setCaption(title);
}

std::string PageTableView::bankText() const {
    return page::fieldText(kBank);
}
void PageTableView::setBankText(const std::string& text) {
    page::setFieldText(kBank, text);
}
std::string PageTableView::betsText() const {
    return page::fieldText(kBets);
}
void PageTableView::setBetsText(const std::string& text) {
    page::setFieldText(kBets, text);
}

std::string PageTableView::stakeCaption(Box box) const {
    return page::text(design::betBox(box).name);
}
// A bet box shows its stake, and assistive technology reads it after the
// column's name.
void PageTableView::setStakeCaption(Box box, const std::string& caption) {
    const char* id = design::betBox(box).name;
    page::setText(id, caption);
    page::setName(id, design::stakeReading(box, caption));
}

std::string PageTableView::winCaption() const {
    return page::text(kWin);
}
void PageTableView::setWinCaption(const std::string& caption) {
    page::setText(kWin, caption);  // an auto-size label: grows to the right
}

// The cell of the number just drawn is the current one of the table. A
// spin recolours all 37 cells, most of them to the colour they have: only
// a change reaches the page.
void PageTableView::setCellColour(int number, Rgb colour) {
    auto& shown = cells_.at(static_cast<std::size_t>(number));
    if (shown == colour) return;
    shown = colour;
    const std::string id = design::numberCell(number).name;
    const bool drawn = colour == kCellBrightGreen;
    page::setBackground(id, colour);
    page::setCurrent(id, drawn);
    page::setDescription(id, design::cellDescription(number, drawn));
    if (drawn) drawn_ = number;
}

std::optional<int> PageTableView::takeDrawnNumber() {
    return std::exchange(drawn_, std::nullopt);
}

int PageTableView::historyCount() const {
    return page::listCount(kHistory);
}
void PageTableView::addHistory(const std::string& line) {
    page::listAdd(kHistory, line);
}
void PageTableView::removeHistory(int index) {
    page::listRemove(kHistory, index);
}
void PageTableView::clearHistory() {
    page::listClear(kHistory);
}

// The line stands on its fixed lower end and reaches up to y2.
void PageTableView::setBarTop(Bar bar, float y2, BarShare share) {
    const design::Line& line = design::chartLine(bar);
    const double top = std::min<double>(y2, line.y1) / design::kTwipsPerPixel;
    const double bottom = design::pixels(line.y1);
    page::setLine(line.name, top, std::max(1.0, bottom - top), design::chartLineReading(share));
}

}  // namespace torvane::web
