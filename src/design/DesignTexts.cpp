// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/DesignTexts.h"

#include <algorithm>
#include <cctype>

namespace torvane::design {
namespace {

bool hasLetter(const char* text) {
    return text && std::any_of(text, text + std::char_traits<char>::length(text),
                               [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

void field(const TextVisitor& visit, const std::string& context, const char*& text) {
    if (hasLetter(text)) visit(context, text);
}

void window(const TextVisitor& visit, Window& w) {
    field(visit, std::string(w.name) + ".caption", w.caption);
}

void control(const TextVisitor& visit, Control& c) {
    const std::string name = c.name;
    field(visit, name + ".text", c.text);
    field(visit, name + ".accessibleName", c.accessibleName);
    field(visit, name + ".description", c.description);
}

}  // namespace

void forEachText(MainWindowDesign& d, const TextVisitor& visit) {
    window(visit, d.window);
    for (Control& c : d.controls) control(visit, c);
    for (Line& l : d.lines) field(visit, std::string(l.name) + ".accessibleName", l.accessibleName);
    for (Control& c : d.chartCaptions) control(visit, c);
    for (Menu& m : d.menus) {
        field(visit, std::string(m.name) + ".title", m.title);
        for (MenuItem& item : m.items)
            field(visit, std::string(item.name) + ".caption", item.caption);
    }
}

void forEachText(HelpWindowDesign& d, const TextVisitor& visit) {
    window(visit, d.window);
    control(visit, d.lblhelp);
    field(visit, std::string(d.window.name) + ".description", d.description);
}

void forEachText(AboutWindowDesign& d, const TextVisitor& visit) {
    window(visit, d.window);
    control(visit, d.frame);
    for (Control& c : d.controls) control(visit, c);
}

}  // namespace torvane::design
