// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <optional>

#include "game/TableView.h"
#include "windows/ChartFrame.h"
#include "windows/Controls.h"

namespace torvane::win {

// The game's view of the main window over its child windows: texts are
// window texts, the history the list box's items, the cells' colours and
// the chart lines what their windows paint.
class WindowTableView : public TableView {
  public:
    // The window and its controls, once they are built.
    void attach(HWND window, ChildWindows& children, ChartFrame& chart) {
        window_ = window;
        children_ = &children;
        chart_ = &chart;
    }

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

    // The number the last spin lit, once: what follows the spin announces it.
    std::optional<int> takeDrawnNumber();

  private:
    HWND control(const char* name) const { return children_->window(name); }
    HWND history() const { return control("lsthistory"); }

    HWND window_ = nullptr;
    ChildWindows* children_ = nullptr;
    ChartFrame* chart_ = nullptr;
    std::optional<int> drawn_;
};

}  // namespace torvane::win
