// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// How the page writes texts, lengths, colours and fonts.
#include "web/Markup.h"

#include <cstdio>

#include "design/Layout.h"

namespace torvane::web::markup {

namespace d = torvane::design;

std::string escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A length in CSS pixels, to a thousandth, without trailing zeros.
std::string px(double pixels) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", pixels);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s + "px";
}
std::string twips(int value) {
    return px(d::pixels(value));
}

std::string rgb(Rgb c) {
    return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
           std::to_string(c.blue) + ")";
}

// The served faces: FreeSans for "MS Sans Serif", and for "Arial" Liberation
// Sans cut down to the characters the game draws, which its licence wants
// renamed (Torvane Sans); each falls back to the face installed on the
// player's machine.
std::string fontFamilies(d::Face face) {
    if (face == d::Face::Arial) return R"("Torvane Sans", "Liberation Sans", Arial, sans-serif)";
    return "FreeSans, \"Liberation Sans\", sans-serif";
}

std::string font(const d::Font& f) {
    char size[16];
    std::snprintf(size, sizeof size, "%g", f.points);
    return std::string(f.bold ? "bold " : "") + size + "pt " + fontFamilies(f.face);
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escape(value) + "\"";
}

}  // namespace torvane::web::markup
