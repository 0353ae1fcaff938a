// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "design/Layout.h"

// The page, written from the design at build time: the markup of the main
// window and of the templates of the help, About and message windows, and
// the style rules that place and dress every designed control. The page
// thus stands, readable, before the module has loaded; the module only
// handles events and changes texts and colours.
namespace torvane::web {

// index.html, whole, with `style` (the hand-written rules, then
// layoutCss()) inside it: the first paint waits for no other file. Its
// security policy allows that one style sheet by `styleHash`, the base64
// SHA-256 of `style`.
std::string pageHtml(const std::string& style, const std::string& styleHash);

// The rules for every designed control and window: where it stands (its
// border box at its designed rectangle, twips / 15 CSS pixels), its font,
// its colours, its border and its alignment. The hand-written rules for
// what the design leaves to the platform come first in the same style sheet.
// The page carries it (see pageHtml).
std::string layoutCss();

// The main window's designed rectangles, in twips, as JSON, for the browser
// tests to hold the page to: each control with its container ("client" or
// the chart's frame), and the chart lines.
std::string layoutJson();

// Every character that the design writes in `face`, once each, for cutting
// the served fonts down to what the game draws.
std::string charactersIn(design::Face face);

}  // namespace torvane::web
