// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/TableFixture.h"

// What must hold of a table after every event, whatever came before. The
// property test, the table fuzzer and the window monkey all check these,
// here and nowhere else.
namespace torvane::testing {

// The bank as a bet on `box` reads `bankText` (strictly for the left and
// middle boxes, leniently for the right), or nothing when that reading fails.
std::optional<int> bankAsBoxReads(Box box, const std::string& bankText);

// The sum of the three stakes.
int stakesTotal(const TableState& state);

// What the main window shows, as far as soundness looks at it.
struct Shown {
    std::map<Box, std::string> stakes;  // the bet boxes' captions
    std::size_t historyLines = 0;
    int litCells = 0;            // number cells in bright green
    std::vector<float> barTops;  // the chart lines' top ends, in twips
};
Shown shownBy(const FakeView& view);

// The first broken rule of a sound table, or "" when there is none: the
// captions show the stakes, the history holds at most ten lines, at most one
// number cell is lit, every bar lies between 0 and 1000 and no hit counter
// exceeds the window of 50 presses.
std::string soundnessViolation(const Shown& shown, const TableState& state);

// The player's events, as the checks after them tell them apart.
enum class Action { Bet, Spin, DoubleIncrement, HalveIncrement, Transfer, NewGame, Typing };

// A control or menu item that a monkey presses, with the kind of event
// its checks take it for.
struct Pressable {
    const char* name;
    Action action;
};
// The buttons beside the bet boxes: SPIN, New Game, the transfer and the
// two arrows.
extern const std::vector<Pressable> kMonkeyButtons;
// The menu items (Exit left out: it would end the game).
extern const std::vector<Pressable> kMonkeyMenuItems;

// What a monkey does next, from a roll of 0 to 9: three in ten a bet, two
// a button (at a new second of the clock), two typing into a field, one a
// menu item and two a press of SPIN.
enum class MonkeyMove { Bet, Button, Typing, MenuItem, Spin };
MonkeyMove monkeyMove(int roll);

// One event's checks: made just before the event, asked just after it.
class EventCheck {
  public:
    // Any event but a bet.
    EventCheck(Action action, const TableState& before);
    // A bet with `button` on `box`, the bank's text as it stood before.
    EventCheck(Box box, Amount button, const std::string& bankText, const TableState& before);

    // The first rule the event broke, or "" when it broke none:
    // - a failure stops the handler with exactly one message, critical,
    //   titled "Torvane", saying what could not be completed; an event that
    //   completed shows no such message;
    // - a bet completes only on a bank it can read, and then moves money
    //   between the bank and the stakes without making or losing any; a
    //   failed one moves no stake;
    // - with a positive increment, a placement never takes a stake above
    //   5000 (nor lowers it), and a withdrawal leaves 0 or at least 25;
    // - doubling never gives more than 2500, halving never less than 25.
    // `shown` holds the messages the event showed, `completed` what its
    // event member returned, or nothing where the caller cannot know (the
    // window's handlers do not say), and the failure is then told by its
    // message.
    std::string violation(const TableState& after, const std::vector<Message>& shown,
                          std::optional<bool> completed) const;

  private:
    std::string betViolation(const TableState& after, bool completed) const;

    Action action_;
    TableState before_;
    Box box_ = Box::Left;
    Amount button_ = kLeftButton;
    std::optional<int> bank_;  // as the bet will read it
};

}  // namespace torvane::testing
