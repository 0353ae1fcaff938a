// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "design/Layout.h"

#include <string_view>

namespace torvane::design {

const char* designedFamily(Face face) {
    return face == Face::Arial ? "Arial" : "MS Sans Serif";
}

std::vector<std::string> substituteFamilies(Face face) {
    if (face == Face::Arial) return {"Liberation Sans", "Arimo"};
    return {"FreeSans", "Liberation Sans"};
}

std::string handlerName(const Control& control) {
    switch (control.event) {
        case Event::Click:
            return std::string(control.name) + "_Click";
        case Event::MouseUp:
            return std::string(control.name) + "_MouseUp";
        case Event::None:
            break;
    }
    return {};
}

std::string handlerName(const MenuItem& item) {
    return item.separator() ? std::string() : std::string(item.name) + "_Click";
}

bool takesFocus(const Control& control) {
    switch (control.kind) {
        case Kind::TextBox:
        case Kind::Button:
        case Kind::PictureButton:
        case Kind::ListBox:
            return true;
        case Kind::Label:
        case Kind::Frame:
        case Kind::Image:
            break;
    }
    return false;
}

std::string accessibleName(const Control& control) {
    return control.accessibleName != nullptr ? control.accessibleName : control.text;
}

std::size_t accessMarkAt(const char* caption) {
    const std::string_view text(caption);
    const auto at = text.find('&');
    return at + 1 < text.size() ? at : std::string_view::npos;
}

std::string accessLetter(const char* caption) {
    const auto at = accessMarkAt(caption);
    if (at == std::string_view::npos) return {};
    // The whole UTF-8 character after the mark ("É" as well as "E").
    const std::string_view rest = std::string_view(caption).substr(at + 1);
    std::size_t length = 1;
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
        ++length;
    return std::string(rest.substr(0, length));
}

std::string withoutAccessMark(const char* caption) {
    std::string plain;
    for (const char* c = caption; *c != '\0'; ++c) {
        if (*c != '&') plain += *c;
    }
    return plain;
}

double pixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace torvane::design
