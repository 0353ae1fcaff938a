// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <array>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "game/Columns.h"
#include "game/TableView.h"

namespace torvane {

// "Left", "Middle", "Right": readable test output and parameter names.
const char* boxName(Box box);
inline void PrintTo(Box box, std::ostream* os) {
    *os << boxName(box);
}

}  // namespace torvane

namespace torvane::testing {

// The main window's controls as plain members, with their designed texts.
class FakeView : public TableView {
  public:
    std::string caption = "  ";
    std::string bank = "1000";
    std::string bets = "25";
    std::map<Box, std::string> stakes{{Box::Left, "0"}, {Box::Middle, "0"}, {Box::Right, "0"}};
    std::string win;
    std::array<Rgb, kNumberCount> cells;
    std::vector<std::string> history;
    std::map<Bar, float> bars{
        {Bar::Zero, 420}, {Bar::Left, 420}, {Bar::Middle, 420}, {Bar::Right, 420}};
    std::map<Bar, BarShare> shares;  // what each line was last drawn from; none before

    FakeView();

    void setCaption(const std::string& t) override { caption = t; }
    std::string bankText() const override { return bank; }
    void setBankText(const std::string& t) override { bank = t; }
    std::string betsText() const override { return bets; }
    void setBetsText(const std::string& t) override { bets = t; }
    std::string stakeCaption(Box b) const override { return stakes.at(b); }
    void setStakeCaption(Box b, const std::string& t) override { stakes[b] = t; }
    void setWinCaption(const std::string& t) override { win = t; }
    void setCellColour(int n, Rgb c) override { cells.at(static_cast<std::size_t>(n)) = c; }
    int historyCount() const override { return static_cast<int>(history.size()); }
    void addHistory(const std::string& line) override { history.push_back(line); }
    void removeHistory(int i) override;
    void clearHistory() override { history.clear(); }
    void setBarTop(Bar b, float y2, BarShare share) override {
        bars[b] = y2;
        shares[b] = share;
    }

    // How many number cells are lit bright green.
    int brightCells() const;
};

}  // namespace torvane::testing
