// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <functional>
#include <map>
#include <string>

#include "design/AboutWindow.h"
#include "design/HelpWindow.h"
#include "design/MainWindow.h"

// Every text of the windows' designs that a player sees or hears, with the
// context that says where it belongs ("cmdspin.text", "lblleft.accessibleName",
// "hlep.title"): the one walk that both puts a design into the player's
// language and lists its texts for po/torvane.pot.
namespace torvane::design {

// Called once for each text field, which it may point at another text.
// Numbers ("0", "1000") and blank captions are not texts.
using TextVisitor = std::function<void(const std::string& context, const char*& text)>;

void forEachText(MainWindowDesign& design, const TextVisitor& visit);
void forEachText(HelpWindowDesign& design, const TextVisitor& visit);
void forEachText(AboutWindowDesign& design, const TextVisitor& visit);

// The design in the language in use (lang::current()).
template <class Design>
Design inLanguage(Design design) {
    forEachText(design, [](const std::string& context, const char*& text) {
        text = lang::text(context.c_str(), text);
    });
    return design;
}

// What `build` makes, in the language in use: made once for each language,
// and kept, since the front ends hold on to its controls.
template <class Build>
const auto& forLanguage(Build build) {
    using Design = decltype(build());
    static std::map<std::string, Design> made;
    auto it = made.find(lang::current());
    if (it == made.end()) it = made.emplace(lang::current(), inLanguage(build())).first;
    return it->second;
}

}  // namespace torvane::design
