// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "game/Colours.h"
#include "game/Message.h"
#include "game/Numbers.h"

namespace torvane {

// The three column bet boxes: lblleft, lblmiddle, lblright.
enum class Box { Left, Middle, Right };

// The four chart lines: ln0, lnl, lnm, lnr.
enum class Bar { Zero, Left, Middle, Right };

// What a chart line's height is drawn from: the completed spins that gave
// its outcome, and the presses of SPIN in the window (refused ones too).
struct BarShare {
    Amount hits = 0;
    Amount presses = 0;

    bool operator==(const BarShare&) const = default;
};

// The named controls of the main window, as far as the game's handlers read
// and write them. The Qt window implements it over real widgets; the tests
// over plain members.
class TableView {
  public:
    virtual ~TableView() = default;

    virtual void setCaption(const std::string& title) = 0;  // the window's title

    virtual std::string bankText() const = 0;  // txtbank.Text
    virtual void setBankText(const std::string& text) = 0;
    virtual std::string betsText() const = 0;  // txtbets.Text
    virtual void setBetsText(const std::string& text) = 0;

    virtual std::string stakeCaption(Box box) const = 0;  // lblleft/lblmiddle/lblright.Caption
    virtual void setStakeCaption(Box box, const std::string& caption) = 0;
    virtual void setWinCaption(const std::string& caption) = 0;  // lblwin.Caption

    virtual void setCellColour(int number, Rgb colour) = 0;  // lbl0(number).BackColor

    // lsthistory: ListCount, AddItem, RemoveItem, Clear.
    virtual int historyCount() const = 0;
    virtual void addHistory(const std::string& line) = 0;
    virtual void removeHistory(int index) = 0;
    virtual void clearHistory() = 0;

    // Y2, the moving top end of a chart line, in twips relative to the
    // frame, with what the new height is drawn from.
    virtual void setBarTop(Bar bar, float y2, BarShare share) = 0;
};

// What the game needs from outside its window.
class TableServices {
  public:
    virtual ~TableServices() = default;

    // A modal message box; returns when the player has closed it.
    virtual void showMessage(const Message& message) = 0;
    // Loads the About window without showing it, running its own load handler.
    virtual void loadAboutWindow() = 0;
    // The second of the minute of the current local time, 0 to 59.
    virtual int secondOfMinute() = 0;
    // The next value of the never-reseeded generator, in [0, 1).
    virtual float nextRandom() = 0;
};

}  // namespace torvane
