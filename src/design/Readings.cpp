// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/Readings.h"

#include <cmath>
#include <cstring>

#include "design/MainWindow.h"

namespace torvane::design {
namespace {

using lang::format;
using lang::N_;
using lang::NP_;

// Each action's name, what it does, and its name on each box as one whole
// text.
struct ActionNames {
    const char* action;
    lang::Text name;
    lang::Text description;
    lang::Text onBox[3];
};
const ActionNames kActions[] = {
    {kPlaceBetAction,
     N_("action", "Place bet"),
     N_("placeBet.description", "Moves one bet increment from the bank onto this column"),
     {N_("lblleft.placeBet", "Place bet, left column"),
      N_("lblmiddle.placeBet", "Place bet, middle column"),
      N_("lblright.placeBet", "Place bet, right column")}},
    {kTakeBackBetAction,
     N_("action", "Take back bet"),
     N_("takeBackBet.description", "Takes one bet increment off this column back into the bank"),
     {N_("lblleft.takeBackBet", "Take back bet, left column"),
      N_("lblmiddle.takeBackBet", "Take back bet, middle column"),
      N_("lblright.takeBackBet", "Take back bet, right column")}},
    {kCloseAction,
     N_("action", "Close"),
     N_("close.description", "Closes the help, as a click on it does"),
     {}},
};

const ActionNames* find(const char* action) {
    for (const ActionNames& a : kActions) {
        if (std::strcmp(a.action, action) == 0) return &a;
    }
    return nullptr;
}

}  // namespace

const char* actionName(const char* action) {
    const ActionNames* a = find(action);
    return a ? lang::text(a->name) : action;
}

const char* actionDescription(const char* action) {
    const ActionNames* a = find(action);
    return a ? lang::text(a->description) : "";
}

std::string stakeReading(Box box, const std::string& shown) {
    return format(lang::text(N_("stakeReading", "%1: %2")), {betBox(box).accessibleName, shown});
}

std::string betActionName(const char* action, Box box) {
    const ActionNames* a = find(action);
    if (!a || !a->onBox[0].context[0]) return actionName(action);
    return lang::text(a->onBox[static_cast<int>(box)]);
}

std::string spinAnnouncement(int number, const std::string& winnings) {
    return format(lang::text(N_("spinAnnouncement", "Number %1 drawn. Winnings %2.")),
                  {std::to_string(number), winnings});
}

std::string cellDescription(int number, bool drawn) {
    const lang::Text description =
        drawn ? N_("lbl0.drawn", "Number %1, drawn by the last spin. Clicking it does nothing.")
              : N_("lbl0.undrawn", "Number %1 on the table. Clicking it does nothing.");
    return format(lang::text(description), {std::to_string(number)});
}

std::string chartLineReading(const std::optional<BarShare>& share) {
    if (!share || share->presses <= 0)
        return lang::text(N_("chartLine.none", "No spins counted yet"));
    const long percent = std::lround(100.0 * share->hits / share->presses);
    // The designed English says "presses" for one press too.
    const lang::Text reading =
        NP_("chartLine.reading", "%1 of %2 presses, %3%", "%1 of %2 presses, %3%");
    return format(
        lang::text(reading, share->presses),
        {std::to_string(share->hits), std::to_string(share->presses), std::to_string(percent)});
}

}  // namespace torvane::design
