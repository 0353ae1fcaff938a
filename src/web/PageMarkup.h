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

// The page in the language in use (lang::current()), whole, with `style`
// (the hand-written rules, then layoutCss()) inside it: the first paint
// waits for no other file. Its security policy allows that one style sheet
// by `styleHash`, and languageScript() by `scriptHash`, each the base64
// SHA-256 of the text.
std::string pageHtml(const std::string& style, const std::string& styleHash,
                     const std::string& scriptHash);

// Each language's page: index.html for the designed English, "de.html",
// "pt-BR.html" and so on for the others.
std::string pageFile(const std::string& language);

// The script at the head of every page that sends the player on to the page
// of their language before anything is drawn: the language that "?lang=xx"
// asks for, wherever it is given; on index.html without one, the first of
// the browser's languages (navigator.languages) that has a page. A tag
// whose region has no page of its own takes its language's ("fr-CA" fr,
// "pt-PT" pt-BR); an unknown one, the designed English.
std::string languageScript();

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

// Every character that the design writes in `face` in any language, once
// each, for cutting the served fonts down to what the game draws.
std::string charactersIn(design::Face face);
// Every character of every catalogue and of the design, with all of
// printable ASCII (what is typed shows in the fields and in messages).
std::string textCharacters();

}  // namespace torvane::web
