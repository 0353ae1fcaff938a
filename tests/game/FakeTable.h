#pragma once

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "game/Columns.h"
#include "game/Table.h"

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

    FakeView() { cells.fill(kCellDarkGreen); }

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
    void removeHistory(int i) override { history.erase(history.begin() + i); }
    void clearHistory() override { history.clear(); }
    void setBarTop(Bar b, float y2) override { bars[b] = y2; }

    int brightCells() const {
        int n = 0;
        for (const Rgb& c : cells) n += c == kCellBrightGreen ? 1 : 0;
        return n;
    }
};

// Messages recorded instead of shown; a scripted clock and generator.
class FakeServices : public TableServices {
  public:
    std::vector<Message> messages;
    int aboutLoads = 0;
    int second = 0;
    std::deque<float> randoms;  // consumed front first; 0.0 when run dry
    int randomsTaken = 0;

    void showMessage(const Message& m) override { messages.push_back(m); }
    void loadAboutWindow() override { ++aboutLoads; }
    int secondOfMinute() override { return second; }
    float nextRandom() override {
        ++randomsTaken;
        if (randoms.empty()) return 0.0f;
        const float r = randoms.front();
        randoms.pop_front();
        return r;
    }

    // Makes the next spin draw `number`: second 1, one value in its cell.
    void drawNext(int number) {
        second = 1;
        randoms.push_back((static_cast<float>(number) + 0.5f) / kNumberCount);
    }
};

// A loaded table over the fakes; events go through the failure boundary.
struct TableFixture {
    FakeView view;
    FakeServices services;
    Table table{view, services};

    TableFixture() { table.Form_Load(); }

    void spin(int number) {
        services.drawNext(number);
        table.fire("The spin", [&] { table.cmdspin_Click(); });
    }
    void spinRefused() {
        table.fire("The spin", [&] { table.cmdspin_Click(); });
    }
    void click(Box box, Amount button = kLeftButton, Amount shift = 0) {
        table.fire("The bet", [&] {
            switch (box) {
                case Box::Left:
                    table.lblleft_MouseUp(button, shift, 10, 10);
                    break;
                case Box::Middle:
                    table.lblmiddle_MouseUp(button, shift, 10, 10);
                    break;
                case Box::Right:
                    table.lblright_MouseUp(button, shift, 10, 10);
                    break;
            }
        });
    }
    void doubleUp() {
        table.fire("Doubling", [&] { table.cmddblup_Click(); });
    }
    void halve() {
        table.fire("Halving", [&] { table.cmddbldown_Click(); });
    }
    void transfer() {
        table.fire("The transfer", [&] { table.cmdtransfer_Click(); });
    }
    void newGame() {
        table.fire("The new game", [&] { table.cmdreset_Click(); });
    }

    const TableState& state() const { return table.state(); }
    TableState& state() { return table.state(); }
    int bankPlusStakes() const {
        const TableState& s = table.state();
        return s.bank + s.betLeft + s.betMiddle + s.betRight;
    }
    const Message& lastMessage() const { return services.messages.back(); }
};

}  // namespace torvane::testing
