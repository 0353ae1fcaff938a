// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/PageMarkup.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "design/AboutWindow.h"
#include "design/HelpWindow.h"
#include "design/MainWindow.h"
#include "design/Readings.h"
#include "game/Columns.h"
#include "game/Table.h"

namespace torvane::web {
namespace {

namespace d = torvane::design;

// What the page may load, and from where: only its own files, and no
// inline script or style.
constexpr const char* kSecurityPolicy =
    "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; connect-src 'self'; "
    "style-src 'self'; img-src 'self'; font-src 'self'; manifest-src 'self'; worker-src 'self'";

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

// --- markup ------------------------------------------------------------------

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

std::string control(const d::Control& c);

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
            // The access letter is underlined, as the desktop draws it.
            std::string caption = escape(d::withoutAccessMark(item.caption));
            const char letter = d::accessLetter(item.caption);
            std::string keyAttribute;
            if (letter != 0) {
                const auto at = caption.find(letter);
                caption.replace(at, 1, std::string("<u>") + letter + "</u>");
                keyAttribute = attribute("data-key", std::string(1, letter));
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

std::string helpTemplate() {
    const d::HelpWindowDesign& help = d::helpWindow();
    // Named by its heading, the rules' first line.
    std::string heading = d::helpText();
    heading.resize(heading.find('\r'));
    heading.erase(0, heading.find_first_not_of(' '));
    return "<template" + attribute("id", std::string(help.window.name) + "-template") +
           ">\n<dialog" + attribute("id", help.window.name) + attribute("class", "window help") +
           attribute("aria-label", heading) + ">\n" + control(help.lblhelp) +
           "</dialog>\n</template>\n";
}

std::string aboutTemplate() {
    const d::AboutWindowDesign& about = d::aboutWindow();
    const std::string window = std::string(about.window.name) + "-window";
    std::string html = "<template" + attribute("id", window + "-template") + ">\n<dialog" +
                       attribute("id", window) + attribute("class", "window about") +
                       attribute("aria-labelledby", "lblProductName") + ">\n<div" +
                       attribute("id", about.frame.name) + attribute("class", "frame") + ">\n";
    for (const d::Control& c : about.controls) html += control(c);
    return html + "</div>\n</dialog>\n</template>\n";
}

std::string messageTemplate() {
    return R"(<template id="message-template">
<dialog class="message" role="alertdialog" aria-labelledby="message-title" aria-describedby="message-prompt">
<div class="titlebar"><span id="message-title" class="caption"></span></div>
<div class="message-body"><img class="message-icon" src="pictures/critical.svg" alt="" aria-hidden="true" draggable="false"><p id="message-prompt" class="message-prompt"></p></div>
<div class="message-buttons"><button class="button message-ok" type="button">OK</button></div>
</dialog>
</template>
)";
}

// --- style -------------------------------------------------------------------

// Where a control stands: its border box at its designed rectangle. An
// auto-size label keeps its left and top (a right-aligned one its right) and
// takes the size of its text.
std::string placement(const d::Control& c, int containerWidth) {
    const d::Twips& r = c.rect;
    std::string css = "top: " + twips(r.top) + "; ";
    if (c.autoSize && c.align == d::Align::Right) {
        css += "right: " + twips(containerWidth - r.left - r.width) + "; ";
    } else {
        css += "left: " + twips(r.left) + "; ";
    }
    if (!c.autoSize) css += "width: " + twips(r.width) + "; height: " + twips(r.height) + "; ";
    return css;
}

std::string rule(const d::Control& c, int containerWidth) {
    std::string css = "#" + std::string(c.name) + " { " + placement(c, containerWidth);
    if (c.kind != d::Kind::Image && c.kind != d::Kind::PictureButton) {
        css += "font: " + font(c.font) + "; ";
    }
    if (c.fore) css += "color: " + rgb(*c.fore) + "; ";
    if (c.back) css += "background-color: " + rgb(*c.back) + "; ";
    return css + "}\n";
}

std::string windowRule(const std::string& selector, const d::Window& w) {
    std::string css = selector + " { left: " + twips(w.rect.left) + "; top: " + twips(w.rect.top) +
                      "; width: " + twips(w.rect.width) + "; height: " + twips(w.rect.height) +
                      "; font: " + font(w.font) + "; ";
    if (w.back) css += "background-color: " + rgb(*w.back) + "; ";
    return css + "}\n";
}

}  // namespace

std::string pageHtml() {
    const d::MainWindowDesign& design = d::mainWindow();
    std::string title = Table::windowTitle();
    title.erase(0, title.find_first_not_of(' '));
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"Content-Security-Policy\"" +
           attribute("content", kSecurityPolicy) +
           ">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"description\" content=\"Roulette column bets with play money: stake "
           "a bank on the three columns of a 37-number table and spin.\">\n<title>" +
           escape(title) + "</title>\n<link rel=\"icon\"" +
           attribute("href", std::string("pictures/") + design.icon) +
           " type=\"image/svg+xml\">\n<link rel=\"license\" href=\"licence.html\">\n"
           "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
           "<link rel=\"apple-touch-icon\" href=\"icons/torvane-180.png\">\n"
           "<link rel=\"stylesheet\" href=\"torvane.css\">\n"
           "<link rel=\"preload\" href=\"fonts/FreeSans.woff2\" as=\"font\" type=\"font/woff2\" "
           "crossorigin>\n"
           "<link rel=\"preload\" href=\"fonts/FreeSansBold.woff2\" as=\"font\" "
           "type=\"font/woff2\" crossorigin>\n"
           "<link rel=\"preload\" href=\"torvane.wasm\" as=\"fetch\" type=\"application/wasm\" "
           "crossorigin>\n"
           "<script src=\"torvane.js\" async></script>\n</head>\n<body>\n<noscript><p>Torvane "
           "needs JavaScript and WebAssembly.</p></noscript>\n" +
           mainWindow() +
           "<div id=\"announcer\" class=\"visually-hidden\" role=\"status\" "
           "aria-live=\"polite\"></div>\n"
           "<div id=\"ended\" class=\"ended\" hidden>\n<p>The game has ended.</p>\n<p><button "
           "id=\"playagain\" class=\"button\" type=\"button\">Play again</button></p>\n<p "
           "class=\"notice\">Torvane is free software under the GNU General Public License, "
           "version 3 or later: <a href=\"licence.html\">licences and source</a>.</p>\n</div>\n" +
           helpTemplate() + aboutTemplate() + messageTemplate() + "</body>\n</html>\n";
}

std::string layoutCss() {
    const d::MainWindowDesign& main = d::mainWindow();
    const int clientWidth = main.window.rect.width;
    std::string css =
        "/* Generated from the design: where each control stands, in twips / 15 "
        "CSS pixels, its font and its colours. */\n";
    css += "#" + std::string(main.window.name) + " { font: " + font(main.window.font) + "; }\n";
    css += "#client { width: " + twips(main.window.rect.width) +
           "; height: " + twips(main.window.rect.height) + "; }\n";
    std::string blackOnFace;
    for (const d::Control& c : main.controls) {
        css += rule(c, clientWidth);
        if (c.fore == d::kBlack && !c.back) {
            blackOnFace += std::string(blackOnFace.empty() ? "" : ", ") + "#" + c.name;
        }
    }
    // Designed black on the default face: black where black reads, the
    // theme's own text colour where the face is dark.
    css += "@media (prefers-color-scheme: dark) { " + blackOnFace + " { color: ButtonText; } }\n";

    const d::Control& frame = d::control(main.chartFrame);
    for (const d::Line& line : main.lines) {
        // Centred on its x, from its designed top end down to its fixed lower
        // end; whole pixels, as the desktop draws it.
        const long left = std::lround(d::pixels(line.x)) - line.widthPx / 2;
        css += "#" + std::string(line.name) + " { left: " + px(static_cast<double>(left)) +
               "; top: " + twips(line.y2) + "; width: " + px(line.widthPx) +
               "; height: " + twips(line.y1 - line.y2) + "; background-color: " + rgb(line.colour) +
               "; }\n";
    }
    for (const d::Control& c : main.chartCaptions) css += rule(c, frame.rect.width);

    const d::HelpWindowDesign& help = d::helpWindow();
    css += windowRule("#" + std::string(help.window.name), help.window);
    css += rule(help.lblhelp, help.window.rect.width);

    const d::AboutWindowDesign& about = d::aboutWindow();
    css += windowRule("#" + std::string(about.window.name) + "-window", about.window);
    css += rule(about.frame, about.window.rect.width);
    for (const d::Control& c : about.controls) css += rule(c, about.frame.rect.width);
    return css;
}

std::string layoutJson() {
    const d::MainWindowDesign& main = d::mainWindow();
    const auto quoted = [](const std::string& text) { return '"' + text + '"'; };
    const auto numbers = [](std::initializer_list<int> values) {
        std::string list;
        for (const int v : values) list += (list.empty() ? "" : ", ") + std::to_string(v);
        return "[" + list + "]";
    };
    const auto entry = [&](const d::Control& c, const char* container) {
        const char* align = c.align == d::Align::Right    ? "right"
                            : c.align == d::Align::Centre ? "centre"
                                                          : "left";
        return "{" + quoted("name") + ": " + quoted(c.name) + ", " + quoted("container") + ": " +
               quoted(container) + ", " + quoted("rect") + ": " +
               numbers({c.rect.left, c.rect.top, c.rect.width, c.rect.height}) + ", " +
               quoted("autoSize") + ": " + (c.autoSize ? "true" : "false") + ", " +
               quoted("align") + ": " + quoted(align) + "}";
    };
    std::vector<std::string> controls;
    for (const d::Control& c : main.controls) controls.push_back(entry(c, "client"));
    for (const d::Control& c : main.chartCaptions) controls.push_back(entry(c, main.chartFrame));
    std::vector<std::string> lines;
    for (const d::Line& line : main.lines) {
        lines.push_back("{" + quoted("name") + ": " + quoted(line.name) + ", " + quoted("x") +
                        ": " + std::to_string(line.x) + ", " + quoted("y1") + ": " +
                        std::to_string(line.y1) + ", " + quoted("y2") + ": " +
                        std::to_string(line.y2) + ", " + quoted("width") + ": " +
                        std::to_string(line.widthPx) + "}");
    }
    const auto joined = [](const std::vector<std::string>& items) {
        std::string text;
        for (const std::string& item : items) text += (text.empty() ? "" : ",\n") + item;
        return text;
    };
    return "{\n" + quoted("client") + ": " +
           numbers({main.window.rect.width, main.window.rect.height}) + ",\n" + quoted("controls") +
           ": [\n" + joined(controls) + "\n],\n" + quoted("lines") + ": [\n" + joined(lines) +
           "\n]\n}\n";
}

std::string charactersIn(d::Face face) {
    std::set<char32_t> seen;
    std::string characters;
    const auto add = [&](const std::string& text) {
        for (std::size_t i = 0; i < text.size();) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
            const std::string character = text.substr(i, length);
            char32_t code = 0;
            for (const char c : character) code = (code << 8) | static_cast<unsigned char>(c);
            if (seen.insert(code).second) characters += character;
            i += length;
        }
    };
    const auto addControls = [&](const std::vector<d::Control>& controls) {
        for (const d::Control& c : controls) {
            if (c.font.face == face) add(c.text);
        }
    };
    addControls(d::mainWindow().controls);
    addControls(d::mainWindow().chartCaptions);
    addControls(d::aboutWindow().controls);
    if (face == d::Face::Arial) {
        // What the About window's load handler writes.
        add(d::versionCaption());
        add(d::productNameCaption());
    }
    return characters;
}

}  // namespace torvane::web
