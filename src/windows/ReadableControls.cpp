// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/ReadableControls.h"

#include <algorithm>
#include <array>

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "game/Colours.h"
#include "game/Columns.h"
#include "windows/Accessible.h"
#include "windows/Text.h"

namespace torvane::win {
namespace {

namespace d = torvane::design;

// "Left column stake: 25", with the stake as its value; read as a button.
class BetBoxTexts : public AccessibleTexts {
  public:
    BetBoxTexts(Box box, HWND window) : box_(box), window_(window) {}
    std::optional<std::string> name(long child) const override {
        if (child != CHILDID_SELF) return std::nullopt;
        return d::stakeReading(box_, windowText(window_));
    }
    std::optional<std::string> value(long child) const override {
        if (child != CHILDID_SELF) return std::nullopt;
        return windowText(window_);
    }
    std::optional<long> role(long child) const override {
        if (child != CHILDID_SELF) return std::nullopt;
        return ROLE_SYSTEM_PUSHBUTTON;
    }

  private:
    Box box_;
    HWND window_;
};

// "Number 17, drawn by the last spin. ..." or "Number 16 on the table. ...".
class CellTexts : public AccessibleTexts {
  public:
    CellTexts(int number, const ChildWindows& children) : number_(number), children_(children) {}
    std::optional<std::string> description(long child) const override {
        if (child != CHILDID_SELF) return std::nullopt;
        const Child* cell = children_.find(d::numberCell(number_).name);
        return d::cellDescription(number_, cell != nullptr && cell->back == kCellBrightGreen);
    }

  private:
    int number_;
    const ChildWindows& children_;
};

// The bars from left to right, as a screen reader walks them.
std::array<Bar, 4> barsLeftToRight() {
    std::array<Bar, 4> bars{Bar::Zero, Bar::Left, Bar::Middle, Bar::Right};
    std::sort(bars.begin(), bars.end(),
              [](Bar a, Bar b) { return d::chartLine(a).x < d::chartLine(b).x; });
    return bars;
}

// The four lines as simple children: "Left column", "2 of 3 presses, 67%".
class ChartTexts : public AccessibleTexts {
  public:
    explicit ChartTexts(const ChartFrame& chart) : chart_(chart) {}
    long childCount() const override { return 4; }
    std::optional<std::string> name(long child) const override {
        if (const auto bar = barOf(child)) return d::chartLine(*bar).accessibleName;
        return std::nullopt;
    }
    std::optional<std::string> description(long child) const override { return reading(child); }
    std::optional<std::string> value(long child) const override { return reading(child); }
    std::optional<long> role(long child) const override {
        if (child == CHILDID_SELF) return ROLE_SYSTEM_CHART;
        if (barOf(child)) return ROLE_SYSTEM_STATICTEXT;
        return std::nullopt;
    }
    std::optional<RECT> location(long child) const override {
        if (const auto bar = barOf(child)) return chart_.lineOnScreen(*bar);
        return std::nullopt;
    }

  private:
    static std::optional<Bar> barOf(long child) {
        if (child < 1 || child > 4) return std::nullopt;
        return barsLeftToRight().at(static_cast<std::size_t>(child - 1));
    }
    std::optional<std::string> reading(long child) const {
        if (const auto bar = barOf(child)) return d::chartLineReading(chart_.share(*bar));
        return std::nullopt;
    }
    const ChartFrame& chart_;
};

}  // namespace

long chartChildOf(Bar bar) {
    const std::array<Bar, 4> bars = barsLeftToRight();
    return static_cast<long>(std::find(bars.begin(), bars.end(), bar) - bars.begin()) + 1;
}

void makeReadable(const ChildWindows& children, const ChartFrame& chart) {
    for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
        HWND window = children.window(d::betBox(box).name);
        makeAccessible(window, std::make_unique<BetBoxTexts>(box, window));
    }
    for (int number = 0; number < kNumberCount; ++number) {
        makeAccessible(children.window(d::numberCell(number).name),
                       std::make_unique<CellTexts>(number, children));
    }
    makeAccessible(chart.window(), std::make_unique<ChartTexts>(chart));
}

}  // namespace torvane::win
