// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/WidgetTableView.h"

#include <QLineEdit>
#include <QListWidget>

#include "ui/Controls.h"

namespace torvane::ui {

void WidgetTableView::setCaption(const std::string& title) {
    window_.setWindowTitle(QString::fromStdString(title));
}

std::string WidgetTableView::bankText() const {
    return c_.txtbank->text().toStdString();
}
void WidgetTableView::setBankText(const std::string& text) {
    c_.txtbank->setText(QString::fromStdString(text));
}
std::string WidgetTableView::betsText() const {
    return c_.txtbets->text().toStdString();
}
void WidgetTableView::setBetsText(const std::string& text) {
    c_.txtbets->setText(QString::fromStdString(text));
}

std::string WidgetTableView::stakeCaption(Box box) const {
    return c_.betBox(box)->text().toStdString();
}
void WidgetTableView::setStakeCaption(Box box, const std::string& caption) {
    c_.betBox(box)->setText(QString::fromStdString(caption));
}

void WidgetTableView::setWinCaption(const std::string& caption) {
    c_.lblwin->setText(QString::fromStdString(caption));
    c_.lblwin->adjustSize();  // grows to the right from its left edge
}

void WidgetTableView::setCellColour(int number, Rgb colour) {
    colourCell(c_.lbl0.at(static_cast<std::size_t>(number)), number, colour);
}

int WidgetTableView::historyCount() const {
    return c_.lsthistory->count();
}
void WidgetTableView::addHistory(const std::string& line) {
    c_.lsthistory->addItem(QString::fromStdString(line));
}
void WidgetTableView::removeHistory(int index) {
    delete c_.lsthistory->takeItem(index);
}
void WidgetTableView::clearHistory() {
    c_.lsthistory->clear();
}

void WidgetTableView::setBarTop(Bar bar, float y2, BarShare share) {
    c_.line(bar)->setY2(y2);
    c_.line(bar)->setShare(share);
}

}  // namespace torvane::ui
