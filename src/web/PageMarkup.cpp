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
#include "lang/Language.h"
#include "web/Markup.h"

namespace torvane::web {
namespace {

namespace d = torvane::design;
using lang::N_;
using markup::aboutTemplate;
using markup::attribute;
using markup::escape;
using markup::font;
using markup::fontFamilies;
using markup::helpTemplate;
using markup::mainWindow;
using markup::messageTemplate;
using markup::px;
using markup::rgb;
using markup::twips;

// What the page may load, and from where: only its own files, no inline
// script but the language chooser and no style but its own style sheet,
// each known by its hash.
std::string securityPolicy(const std::string& styleHash, const std::string& scriptHash) {
    return "default-src 'none'; script-src 'self' 'wasm-unsafe-eval' 'sha256-" + scriptHash +
           "'; connect-src 'self'; style-src 'sha256-" + styleHash +
           "'; img-src 'self'; font-src 'self'; manifest-src 'self'; worker-src 'self'";
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

std::string pageHtml(const std::string& style, const std::string& styleHash,
                     const std::string& scriptHash) {
    const d::MainWindowDesign& design = d::mainWindow();
    std::string title = Table::windowTitle();
    title.erase(0, title.find_first_not_of(' '));
    const auto text = [](const lang::Text& t) { return escape(lang::text(t)); };
    const std::string licence =
        lang::format(lang::text(N_("ended.licence",
                                   "Torvane is free software under the GNU General Public License, "
                                   "version 3 or later: %1.")),
                     {"<a href=\"licence.html\">" +
                      text(N_("ended.licenceLink", "licences and source")) + "</a>"});
    return "<!DOCTYPE html>\n<html" + attribute("lang", lang::tag(lang::current())) +
           ">\n<head>\n<meta charset=\"utf-8\">\n<meta http-equiv=\"Content-Security-Policy\"" +
           attribute("content", securityPolicy(styleHash, scriptHash)) + ">\n<script>" +
           languageScript() +
           "</script>\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"description\"" +
           attribute("content",
                     lang::text(N_("page.description",
                                   "Roulette column bets with play money: stake a bank "
                                   "on the three columns of a 37-number table and spin."))) +
           ">\n<title>" + escape(title) + "</title>\n<link rel=\"icon\"" +
           attribute("href", std::string("pictures/") + design.icon) +
           " type=\"image/svg+xml\">\n<link rel=\"license\" href=\"licence.html\">\n"
           "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
           "<link rel=\"apple-touch-icon\" href=\"icons/torvane-180.png\">\n<style>" +
           style +
           "</style>\n"
           "<link rel=\"preload\" href=\"fonts/FreeSans.woff2\" as=\"font\" type=\"font/woff2\" "
           "crossorigin>\n"
           "<link rel=\"preload\" href=\"fonts/FreeSansBold.woff2\" as=\"font\" "
           "type=\"font/woff2\" crossorigin>\n"

           "<link rel=\"preload\" href=\"torvane.wasm\" as=\"fetch\" type=\"application/wasm\" "
           "crossorigin>\n"
           "<script src=\"torvane.js\" async></script>\n</head>\n<body>\n<noscript><p>" +
           text(N_("page.noscript", "Torvane needs JavaScript and WebAssembly.")) +
           "</p></noscript>\n" + mainWindow() +
           "<div id=\"announcer\" class=\"visually-hidden\" role=\"status\" "
           "aria-live=\"polite\"></div>\n"
           "<div id=\"ended\" class=\"ended\" hidden>\n<p>" +
           text(N_("ended.text", "The game has ended.")) +
           "</p>\n<p><button id=\"playagain\" class=\"button\" type=\"button\">" +
           text(N_("ended.playAgain", "Play again")) + "</button></p>\n<p class=\"notice\">" +
           licence + "</p>\n</div>\n" + helpTemplate() + aboutTemplate() + messageTemplate() +
           "</body>\n</html>\n";
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

}  // namespace torvane::web
