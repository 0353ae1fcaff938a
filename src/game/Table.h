#pragma once

#include <string>
#include <string_view>

#include "game/Failures.h"
#include "game/TableState.h"
#include "game/TableView.h"

namespace torvane {

// Mouse button codes and shift-state bits as the bet boxes' MouseUp reports them.
inline constexpr Amount kLeftButton = 1;
inline constexpr Amount kRightButton = 2;
inline constexpr Amount kMiddleButton = 4;
inline constexpr Amount kShiftMask = 1;
inline constexpr Amount kCtrlMask = 2;
inline constexpr Amount kAltMask = 4;

// The game table: the main window's state and its event handlers, named after
// their control and event. Each handler reads its inputs from the view,
// applies the rules to the state and writes the results back. A handler stops
// with a TableFailure where a text is not a number or an amount leaves the
// 16-bit range; run every event through fire() so that the failure is
// reported and play goes on.
class Table {
  public:
    Table(TableView& view, TableServices& services) : view_(view), services_(services) {}

    const TableState& state() const { return state_; }
    // For setting up a position directly (tests, benchmarks); handlers are
    // the only writers in play.
    TableState& state() { return state_; }

    // The event boundary: runs one handler; a failure stops it where it arose,
    // keeps what it had stored, and is shown to the player as a critical
    // message naming `action` ("The spin") and the reason.
    template <class Handler>
    void fire(std::string_view action, Handler&& handler) {
        try {
            handler();
        } catch (const TableFailure& failure) {
            services_.showMessage(failureMessage(action, failure));
        }
    }
    static Message failureMessage(std::string_view action, const TableFailure& failure);

    // Start-up and New Game.
    void Form_Load();
    void cmdreset_Click();
    void newgame_Click();

    // SPIN, with the frequency chart as one of its steps.
    void cmdspin_Click();

    // Betting, the increment and the transfer of winnings.
    void lblleft_MouseUp(Amount button, Amount shift, float x, float y);
    void lblmiddle_MouseUp(Amount button, Amount shift, float x, float y);
    void lblright_MouseUp(Amount button, Amount shift, float x, float y);
    void cmddblup_Click();
    void cmddbldown_Click();
    void cmdtransfer_Click();

    // "   Diduvor 3/1 V1.0.18": the title that Form_Load writes.
    static std::string windowTitle();
    // "1.0.18", from the build's version numbers.
    static std::string versionText();

  private:
    struct BetRow;
    static const BetRow kLeftRow;
    static const BetRow kMiddleRow;
    static const BetRow kRightRow;

    void ClearStatistics();
    int drawNumber();
    void updateChart(int number);
    void payout(int number);
    void addHistoryLine(int number);
    void betBoxMouseUp(const BetRow& row, Amount button);
    void withdraw(const BetRow& row, Amount& stake);
    void place(const BetRow& row, Amount& stake);
    void showStakes();

    TableView& view_;
    TableServices& services_;
    TableState state_;
};

}  // namespace torvane
