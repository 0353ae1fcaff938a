// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's markup: the menu bar and every designed control.
#include "web/Markup.h"

#include <set>

#include "design/MainWindow.h"
#include "design/Readings.h"
#include "game/Columns.h"
#include "game/Table.h"

namespace torvane::web::markup {

namespace d = torvane::design;

namespace {

std::string labelClasses(const d::Control& c) {
    std::string classes = "label";
    if (c.border) classes += " border";
    if (c.align == d::Align::Centre) classes += " centre";
    if (c.align == d::Align::Right) classes += " right";
    if (c.autoSize) classes += " auto";
    if (c.wrap) classes += " wrap";
    return classes;
}

// Where an event reaches a handler, the page's script finds the control by
// this attribute and calls the handler named after the control and event.
std::string eventAttribute(const d::Control& c) {
    switch (c.event) {
        case d::Event::Click:
            return attribute("data-event", "Click");
        case d::Event::MouseUp:
            return attribute("data-event", "MouseUp");
        case d::Event::None:
            break;
    }
    return {};
}

std::string description(const d::Control& c) {
    return c.description != nullptr ? attribute("aria-description", c.description) : "";
}

// A bet box takes the keyboard focus and reads as its column and stake. For
// a screen reader, which has no right click, two buttons beside it that no
// one sees and Tab does not reach place and take back a bet as the left and
// the right button do.
std::string betBox(const d::Control& c, Box box) {
    std::string html = "<div" + attribute("id", c.name) + attribute("class", labelClasses(c)) +
                       attribute("role", "button") + " tabindex=\"0\"" +
                       attribute("aria-label", d::stakeReading(box, c.text)) + eventAttribute(c) +
                       description(c) + ">" + escape(c.text) + "</div>\n";
    const struct {
        const char* action;
        int button;
    } actions[] = {{d::kPlaceBetAction, kLeftButton}, {d::kTakeBackBetAction, kRightButton}};
    for (const auto& a : actions) {
        html += "<button" + attribute("class", "visually-hidden") + attribute("type", "button") +
                " tabindex=\"-1\"" + attribute("data-box", c.name) +
                attribute("data-button", std::to_string(a.button)) + ">" +
                escape(d::betActionName(a.action, box)) + "</button>\n";
    }
    return html;
}

std::string label(const d::Control& c) {
    if (const auto box = d::betBoxOf(c)) return betBox(c, *box);
    std::string a = attribute("id", c.name) + attribute("class", labelClasses(c));
    if (const auto number = d::numberOf(c)) {
        a += attribute("role", "listitem") +
             attribute("aria-description", d::cellDescription(*number, false));
    }
    // A label whose caption another one explains reads with it ("WINNINGS
    // R75"), as what it is: the output of the game, not announced on its own.
    const char* element = c.labelledBy != nullptr ? "output" : "div";
    if (c.labelledBy != nullptr) {
        a += attribute("aria-labelledby", std::string(c.labelledBy) + " " + c.name) +
             attribute("aria-live", "off");
    }
    return std::string("<") + element + a + eventAttribute(c) + description(c) + ">" +
           escape(c.text) + "</" + element + ">\n";
}

std::string textBox(const d::Control& c) {
    std::string a = attribute("id", c.name) + attribute("class", "textbox") +
                    attribute("type", "text") + attribute("value", c.text) +
                    attribute("autocomplete", "off") + attribute("spellcheck", "false") +
                    attribute("autocapitalize", "off") + attribute("autocorrect", "off") +
                    attribute("aria-label", d::accessibleName(c));
    if (c.maxLength > 0) a += attribute("maxlength", std::to_string(c.maxLength));
    return "<input" + a + description(c) + ">\n";
}

std::string button(const d::Control& c) {
    std::string a =
        attribute("id", c.name) +
        attribute("class", c.kind == d::Kind::PictureButton ? "button picture" : "button") +
        attribute("type", "button");
    if (c.accessibleName != nullptr) a += attribute("aria-label", c.accessibleName);
    if (c.name == std::string(d::mainWindow().firstFocus)) a += " autofocus";
    std::string face = escape(c.text);
    if (c.picture != nullptr) {
        face = "<img" + attribute("src", std::string("pictures/") + c.picture) +
               attribute("alt", "") + " draggable=\"false\">";
    }
    return "<button" + a + eventAttribute(c) + description(c) + ">" + face + "</button>\n";
}

std::string list(const d::Control& c) {
    return "<ul" + attribute("id", c.name) + attribute("class", "list") + " tabindex=\"0\"" +
           attribute("aria-label", d::accessibleName(c)) + description(c) + "></ul>\n";
}

std::string image(const d::Control& c) {
    return "<img" + attribute("id", c.name) + attribute("class", "picture") +
           attribute("src", std::string("pictures/") + c.picture) +
           attribute("alt", d::accessibleName(c)) + " draggable=\"false\">\n";
}

// The chart's frame: its edge, its caption set into the edge, the four
// lines and the captions under them.
std::string chartFrame(const d::Control& c) {
    const std::string caption = std::string(c.name) + "-caption";
    std::string html = "<div" + attribute("id", c.name) + attribute("class", "frame") +
                       attribute("role", "group") + attribute("aria-labelledby", caption) +
                       description(c) + ">\n<div class=\"frame-edge\"></div>\n<span" +
                       attribute("id", caption) + attribute("class", "frame-caption") + ">" +
                       escape(c.text) + "</span>\n";
    for (const d::Line& line : d::mainWindow().lines) {
        html += "<div" + attribute("id", line.name) + attribute("class", "line") +
                attribute("role", "img") + attribute("aria-label", line.accessibleName) +
                attribute("aria-description", d::chartLineReading(std::nullopt)) + "></div>\n";
    }
    for (const d::Control& captionLabel : d::mainWindow().chartCaptions) {
        html += control(captionLabel);
    }
    return html + "</div>\n";
}

}  // namespace

std::string control(const d::Control& c) {
    switch (c.kind) {
        case d::Kind::Label:
            return label(c);
        case d::Kind::TextBox:
            return textBox(c);
        case d::Kind::Button:
        case d::Kind::PictureButton:
            return button(c);
        case d::Kind::ListBox:
            return list(c);
        case d::Kind::Frame:
            return chartFrame(c);
        case d::Kind::Image:
            break;
    }
    return image(c);
}

namespace {

// The menu bar is one stop of the Tab key, on its first title; the arrow
// keys move along it and into the menus.
std::string menuBar() {
    std::string html = "<div id=\"menubar\" class=\"menubar\" role=\"menubar\">\n";
    for (const d::Menu& menu : d::mainWindow().menus) {
        const std::string items = std::string(menu.name) + "-items";
        const bool first = &menu == &d::mainWindow().menus.front();
        html += "<div class=\"menu\">\n<div" + attribute("id", menu.name) +
                attribute("class", "menu-title") + attribute("role", "menuitem") +
                attribute("aria-haspopup", "menu") + attribute("aria-expanded", "false") +
                attribute("aria-controls", items) + attribute("tabindex", first ? "0" : "-1") +
                ">" + escape(menu.title) + "</div>\n<div" + attribute("id", items) +
                attribute("class", "menu-items") + attribute("role", "menu") +
                attribute("aria-labelledby", menu.name) + " hidden>\n";
        for (const d::MenuItem& item : menu.items) {
            if (item.separator()) {
                html += "<div" + attribute("id", item.name) +
                        " class=\"separator\" role=\"separator\"></div>\n";
                continue;
            }
            // The access letter is underlined where the caption marks it, as
            // the desktop draws it.
            const std::string plain = d::withoutAccessMark(item.caption);
            const std::string letter = d::accessLetter(item.caption);
            const std::size_t at = d::accessMarkAt(item.caption);
            std::string caption = escape(plain);
            std::string keyAttribute;
            if (!letter.empty()) {
                caption = escape(plain.substr(0, at)) + "<u>" + escape(letter) + "</u>" +
                          escape(plain.substr(at + letter.size()));
                keyAttribute = attribute("data-key", letter);
            }
            html += "<div" + attribute("id", item.name) + attribute("class", "menu-item") +
                    attribute("role", "menuitem") + attribute("tabindex", "-1") +
                    attribute("data-event", "Click");
            html.append(keyAttribute).append(">").append(caption).append("</div>\n");
        }
        html += "</div>\n</div>\n";
    }
    return html + "</div>\n";
}

}  // namespace

std::string mainWindow() {
    const d::MainWindowDesign& design = d::mainWindow();
    std::string html = "<div" + attribute("id", design.window.name) +
                       attribute("class", "window main") + ">\n<div class=\"titlebar\"><span" +
                       attribute("id", std::string(design.window.name) + "-caption") +
                       attribute("class", "caption") + ">" + escape(design.window.caption) +
                       "</span></div>\n" + menuBar() + "<div id=\"client\" class=\"client\">\n";
    // The controls stand in the document in tab order, so that the Tab key
    // runs through the ones that take the focus in the designed order and
    // each label stands near what it labels. The number cells, one after
    // the other in that order, form a list.
    bool inList = false;
    for (const d::Control* c : d::tabOrder()) {
        const bool cell = d::numberOf(*c).has_value();
        if (cell && !inList) {
            html += "<div id=\"numbers\" class=\"numbers\" role=\"list\" aria-label=\"Numbers\">\n";
        }
        if (!cell && inList) html += "</div>\n";
        inList = cell;
        html += control(*c);
    }
    return html + "</div>\n</div>\n";
}

}  // namespace torvane::web::markup
