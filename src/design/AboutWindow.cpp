// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/AboutWindow.h"

#include "design/DesignTexts.h"

#include "game/Message.h"
#include "game/Table.h"

namespace torvane::design {
namespace {

std::vector<Control> frameControls() {
    const Font small{Face::Arial, 8.25, false};
    return {
        {.name = "imgLogo",
         .kind = Kind::Image,
         .rect = {360, 510, 1815, 2385},
         .picture = "racing-car.svg",
         .accessibleName = "A green racing car"},
        {.name = "lblCompanyProduct",
         .text = "Torvane Tables \u00A9",
         .rect = {2355, 600, 1845, 435},
         .font = {Face::Arial, 18, true},
         .autoSize = true,
         .tabIndex = 5},
        // Empty at design; the load handler writes the application title.
        {.name = "lblProductName",
         .rect = {2340, 990, 180, 765},
         .font = {Face::Arial, 32.25, true},
         .autoSize = true,
         .tabIndex = 6},
        // Grows to the left as the load handler writes the version: right-aligned.
        {.name = "lblVersion",
         .text = "Version:",
         .rect = {5865, 2070, 975, 285},
         .font = {Face::Arial, 12, true},
         .align = Align::Right,
         .autoSize = true,
         .tabIndex = 4},
        {.name = "cmdok",
         .kind = Kind::Button,
         .text = "OK",
         .rect = {2670, 2280, 915, 525},
         .tabIndex = 7,
         .event = Event::Click},
        {.name = "lblCopyright",
         .text = "Copyright \u00A9 2025-2026",
         .rect = {4170, 2640, 2805, 255},
         .font = small,
         .tabIndex = 3},
        {.name = "lblCompany",
         .text = "Company: Torvane Tables \u00A9",
         .rect = {4170, 2850, 2415, 255},
         .font = small,
         .tabIndex = 2},
        {.name = "lblWarning",
         .text = "Warning: a game of play money only. It pays nothing real and teaches no winning "
                 "method.",
         .rect = {360, 3180, 6480, 480},
         .font = small,
         .wrap = true},
    };
}

AboutWindowDesign build() {
    return {
        .window = {.name = "frmabout", .caption = "", .rect = {2340, 2445, 7380, 4245}},
        .frame = {.name = "frmabout",
                  .kind = Kind::Frame,
                  .rect = {150, 60, 7080, 4050},
                  .tabIndex = 0},
        .controls = frameControls(),
    };
}

}  // namespace

const AboutWindowDesign& aboutWindow() {
    return forLanguage(build);
}

std::string versionCaption() {
    return lang::format(lang::text(lang::N_("lblVersion.loaded", "Version %1")),
                        {Table::versionText()});
}

std::string productNameCaption() {
    return kAppTitle;
}

}  // namespace torvane::design
