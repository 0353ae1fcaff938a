// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/WindowTableView.h"

#include <utility>

#include "design/MainWindow.h"
#include "game/Colours.h"
#include "windows/Accessible.h"
#include "windows/ReadableControls.h"
#include "windows/Text.h"

namespace torvane::win {

void WindowTableView::setCaption(const std::string& title) {
    setWindowText(window_, title);
}

std::string WindowTableView::bankText() const {
    return windowText(control("txtbank"));
}
void WindowTableView::setBankText(const std::string& text) {
    setWindowText(control("txtbank"), text);
}
std::string WindowTableView::betsText() const {
    return windowText(control("txtbets"));
}
void WindowTableView::setBetsText(const std::string& text) {
    setWindowText(control("txtbets"), text);
}

std::string WindowTableView::stakeCaption(Box box) const {
    return windowText(control(design::betBox(box).name));
}
// A screen reader hears of each change of a box's stake, a cell's being
// drawn and a chart line's reading.
void WindowTableView::setStakeCaption(Box box, const std::string& caption) {
    HWND window = control(design::betBox(box).name);
    if (children_->setText(window, caption)) {
        notifyChange(window, EVENT_OBJECT_NAMECHANGE);
        notifyChange(window, EVENT_OBJECT_VALUECHANGE);
    }
}
void WindowTableView::setWinCaption(const std::string& caption) {
    children_->setText(control("lblwin"), caption);
}

void WindowTableView::setCellColour(int number, Rgb colour) {
    const char* name = design::numberCell(number).name;
    if (children_->setBack(name, colour)) {
        notifyChange(children_->window(name), EVENT_OBJECT_DESCRIPTIONCHANGE);
    }
    if (colour == kCellBrightGreen) drawn_ = number;
}

int WindowTableView::historyCount() const {
    return static_cast<int>(SendMessageW(history(), LB_GETCOUNT, 0, 0));
}
void WindowTableView::addHistory(const std::string& line) {
    const std::wstring text = wide(line);
    SendMessageW(history(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
void WindowTableView::removeHistory(int index) {
    SendMessageW(history(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}
void WindowTableView::clearHistory() {
    SendMessageW(history(), LB_RESETCONTENT, 0, 0);
}

void WindowTableView::setBarTop(Bar bar, float y2, BarShare share) {
    if (chart_->setBarTop(bar, y2, share)) {
        notifyChange(chart_->window(), EVENT_OBJECT_DESCRIPTIONCHANGE, chartChildOf(bar));
        notifyChange(chart_->window(), EVENT_OBJECT_VALUECHANGE, chartChildOf(bar));
    }
}
std::optional<int> WindowTableView::takeDrawnNumber() {
    return std::exchange(drawn_, std::nullopt);
}

}  // namespace torvane::win
