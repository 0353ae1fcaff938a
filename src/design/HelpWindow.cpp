// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/HelpWindow.h"

#include "design/DesignTexts.h"

namespace torvane::design {

namespace {

// Lines end in "\n" here, as the catalogues have them; the window shows them
// with the designed "\r\n".
constexpr const char* kHelpText =
    "               HOW TO PLAY TORVANE.\n"
    "\n"
    " To play Torvane is similar to playing real Diduvor's bottom 3 to 1.\n"
    " 1. To place or increase your bets, left click on the appropriate dark green box at the "
    "bottom of the Torvane table.\n"
    " 2. To decrease bets and deposit it back into your bank, right click on the bet/s, at the "
    "bottom dark green box.\n"
    " 3. If you would like to deposit more money into your bank just change the (Money in the "
    "bank) value.\n"
    " 4. If you want to increase/decrease the amounts you bet on the table just alter the value "
    "of the (Bet increment).\n"
    " 5. To instantly double the increment, click on the yellow up/down arrows.\n"
    " 6. To bank your winnings click on (Transfer winnings to bank).";

HelpWindowDesign build() {
    // Designed at 3615, 3060, but the load handler always moves it to 3805,
    // 3000. The panel covers all but a thin blue frame; its text wraps and
    // what does not fit is cut off at the bottom.
    return {
        .window = {.name = "frmhelp",
                   .caption = "Form1",
                   .rect = {3805, 3000, 4680, 3465},
                   .back = kHelpBlue},
        .lblhelp = {.name = "lblhelp",
                    .text = kHelpText,
                    .rect = {90, 120, 4485, 3195},
                    .fore = kBlack,
                    .back = kLightYellow,
                    .wrap = true,
                    .event = Event::Click},
        .description = "How to play. Click the text, or use its action Close, to close the help.",
    };
}

}  // namespace

const HelpWindowDesign& helpWindow() {
    return forLanguage(build);
}

std::string helpText() {
    std::string text;
    for (const char* c = helpWindow().lblhelp.text; *c; ++c) {
        if (*c == '\n') text += '\r';
        text += *c;
    }
    return text;
}

}  // namespace torvane::design
