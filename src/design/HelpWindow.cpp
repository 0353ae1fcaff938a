// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/HelpWindow.h"

namespace torvane::design {

const HelpWindowDesign& helpWindow() {
    // Designed at 3615, 3060, but the load handler always moves it to 3805,
    // 3000. The panel covers all but a thin blue frame; its text wraps and
    // what does not fit is cut off at the bottom.
    static const HelpWindowDesign design{
        .window = {.name = "frmhelp",
                   .caption = "Form1",
                   .rect = {3805, 3000, 4680, 3465},
                   .back = kHelpBlue},
        .lblhelp = {.name = "lblhelp",
                    .rect = {90, 120, 4485, 3195},
                    .fore = kBlack,
                    .back = kLightYellow,
                    .wrap = true,
                    .event = Event::Click},
        .description = "How to play. Click the text, or use its action Close, to close the help.",
    };
    return design;
}

std::string helpText() {
    const std::string crlf = "\r\n";
    return std::string(15, ' ') + "HOW TO PLAY TORVANE." + crlf + crlf +
           " To play Torvane is similar to playing real Diduvor's bottom 3 to 1." + crlf +
           " 1. To place or increase your bets, left click on the appropriate dark green box at "
           "the bottom of the Torvane table." +
           crlf +
           " 2. To decrease bets and deposit it back into your bank, right click on the bet/s, at "
           "the bottom dark green box." +
           crlf +
           " 3. If you would like to deposit more money into your bank just change the (Money in "
           "the bank) value." +
           crlf +
           " 4. If you want to increase/decrease the amounts you bet on the table just alter the "
           "value of the (Bet increment)." +
           crlf + " 5. To instantly double the increment, click on the yellow up/down arrows." +
           crlf + " 6. To bank your winnings click on (Transfer winnings to bank).";
}

}  // namespace torvane::design
