// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

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
// 16-bit range; the event members (spin(), bet(), ...) run the handlers
// so that the failure is reported and play goes on.
class Table {
  public:
    Table(TableView& view, TableServices& services) : view_(view), services_(services) {}

    const TableState& state() const { return state_; }
    // The state for writing, to set up a position directly. Only the testing
    // library (tests/support) and the benchmarks use it; in play the handlers
    // are the only writers.
    TableState& state() { return state_; }

    // The player's events. Each runs its handler through the failure
    // boundary: a failure stops the handler where it arose, keeps what it had
    // stored, and is shown to the player as one critical message naming the
    // action ("The spin could not be completed: ...") and the reason; play
    // goes on. Each returns true when the handler ran to its end (a refusal
    // with its own message included) and false when a failure stopped it.
    bool load();                                        // Form_Load
    bool spin();                                        // cmdspin_Click
    bool bet(Box box, Amount button, Amount shift = 0,  // lblleft/lblmiddle/lblright_MouseUp
             float x = 0, float y = 0);
    bool doubleIncrement();  // cmddblup_Click
    bool halveIncrement();   // cmddbldown_Click
    bool transfer();         // cmdtransfer_Click
    bool newGame();          // cmdreset_Click, the New Game button
    bool newGameFromMenu();  // newgame_Click, View > New Game

    // "   Diduvor 3/1 V1.0.18": the title that Form_Load writes.
    static std::string windowTitle();
    // "1.0.18", from the build's version numbers.
    static std::string versionText();

  private:
    // The handlers, named after their control and event, which only the
    // event members above call.

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

    // The events, each with the action its failure message names.
    enum class Event { Load, Spin, Bet, DoubleIncrement, HalveIncrement, Transfer, NewGame };

    template <class Handler>
    bool fire(Event event, Handler&& handler) {
        try {
            handler();
            return true;
        } catch (const TableFailure& failure) {
            services_.showMessage(failureMessage(event, failure));
            return false;
        }
    }
    static const char* actionText(Event event);
    static Message failureMessage(Event event, const TableFailure& failure);

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
