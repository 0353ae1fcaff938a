// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <array>
#include <optional>

#include "game/Columns.h"
#include "game/TableView.h"

namespace torvane::web {

// The game table's view of the page: each named control property the
// handlers read or write, over the page's elements, which carry the
// designed control names as their ids.
class PageTableView : public TableView {
  public:
    PageTableView();

    void setCaption(const std::string& title) override;
    std::string bankText() const override;
    void setBankText(const std::string& text) override;
    std::string betsText() const override;
    void setBetsText(const std::string& text) override;
    std::string stakeCaption(Box box) const override;
    void setStakeCaption(Box box, const std::string& caption) override;
    void setWinCaption(const std::string& caption) override;
    void setCellColour(int number, Rgb colour) override;
    int historyCount() const override;
    void addHistory(const std::string& line) override;
    void removeHistory(int index) override;
    void clearHistory() override;
    void setBarTop(Bar bar, float y2, BarShare share) override;

    // What lblwin shows.
    std::string winCaption() const;
    // The number a spin lit since this was last asked, if any.
    std::optional<int> takeDrawnNumber();

  private:
    std::optional<int> drawn_;
    // The colour each number cell shows.
    std::array<Rgb, kNumberCount> cells_{};
};

}  // namespace torvane::web
