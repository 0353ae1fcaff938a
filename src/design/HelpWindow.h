// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "design/Layout.h"

// The help window frmhelp as designed: the rules on a light-yellow panel in a
// blue window without a border.
namespace torvane::design {

struct HelpWindowDesign {
    Window window;  // at the place its load handler moves it to
    Control lblhelp;
    const char* description;  // what assistive technology says the panel is
};

const HelpWindowDesign& helpWindow();

// The rules, line by line with CR LF pairs between the lines, as the help
// window's load handler builds them.
std::string helpText();

}  // namespace torvane::design
