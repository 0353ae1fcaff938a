// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Writes every text of the windows' designs as a PO file, for
// scripts/po.sh to merge into po/torvane.pot with what xgettext finds in
// the sources. Each entry's context says where the text belongs, and its
// comment what kind of control shows it, in how much room and in which
// font, so that a translator can keep a translation to the designed size.
//   torvane_design_texts > design-texts.po
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "design/DesignTexts.h"
#include "lang/Language.h"

namespace {

using namespace torvane::design;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n\"\n\"";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "label";
        case Kind::TextBox:
            return "text box";
        case Kind::Button:
        case Kind::PictureButton:
            return "button";
        case Kind::ListBox:
            return "list";
        case Kind::Frame:
            return "frame";
        case Kind::Image:
            break;
    }
    return "picture";
}

// "label, 79 x 16 px, MS Sans Serif 9.75 pt bold" for each control's text.
std::map<std::string, std::string> roomNotes() {
    std::map<std::string, std::string> notes;
    const auto note = [&](const Control& c, const char* what) {
        std::ostringstream s;
        s << kindName(c.kind) << ", " << pixels(c.rect.width) << " x " << pixels(c.rect.height)
          << " px" << (c.autoSize ? " (grows with its text)" : "") << ", "
          << designedFamily(c.font.face) << ' ' << c.font.points << " pt"
          << (c.font.bold ? " bold" : "") << (c.wrap ? ", wraps" : "") << what;
        notes[std::string(c.name) + ".text"] = s.str();
    };
    for (const Control& c : mainWindow().controls) note(c, "");
    for (const Control& c : mainWindow().chartCaptions) note(c, "; one letter under its bar");
    for (const Control& c : aboutWindow().controls) note(c, "");
    note(helpWindow().lblhelp, "; what does not fit is cut off");
    notes["Label2.text"] += "; the currency sign: keep R, as every language shows amounts as R25";
    return notes;
}

template <class Design>
void write(Design design, const std::map<std::string, std::string>& notes) {
    forEachText(design, [&](const std::string& context, const char*& text) {
        const std::string english = text;
        std::cout << "\n";
        if (const auto n = notes.find(context); n != notes.end())
            std::cout << "#. " << n->second << "\n";
        if (english.find('%') != std::string::npos) std::cout << "#, qt-format\n";
        std::cout << "msgctxt " << quoted(context) << "\n";
        std::cout << "msgid " << (english.find('\n') != std::string::npos ? "\"\"\n" : "")
                  << quoted(english) << "\nmsgstr \"\"\n";
    });
}

}  // namespace

int main() {
    torvane::lang::use("en");
    std::cout << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    const auto notes = roomNotes();
    write(mainWindow(), notes);
    write(helpWindow(), notes);
    write(aboutWindow(), notes);
    return 0;
}
