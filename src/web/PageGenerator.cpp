// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Build-time tool, run by Node.js: writes the page from the design.
//   torvane_page STYLE.css SITE ARIAL TEXT LAYOUT
// writes the page in each language, SITE/index.html and SITE/de.html and
// so on, with its style sheet inside (STYLE.css, then the design's rules:
// the first paint waits for no style sheet to come); into the file ARIAL
// what the design writes in Arial, into TEXT every character of the texts
// in any language, and into LAYOUT the main window's designed rectangles
// for the browser tests.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "lang/Language.h"
#include "web/NodeHash.h"
#include "web/PageMarkup.h"

namespace {

bool write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::cerr << "usage: torvane_page STYLE.css SITE ARIAL TEXT LAYOUT\n";
        return 2;
    }
    std::ifstream styleFile(argv[1], std::ios::binary);
    std::stringstream handWritten;
    handWritten << styleFile.rdbuf();
    const std::string style = handWritten.str() + torvane::web::layoutCss();
    const std::string out = argv[2];
    namespace web = torvane::web;
    namespace lang = torvane::lang;
    const std::string styleHash = web::sha256Base64(style);
    const std::string scriptHash = web::sha256Base64(web::languageScript());
    bool ok = styleFile.good() || styleFile.eof();
    for (const std::string& language : lang::available()) {
        lang::use(language);
        ok = ok && write(out + "/" + web::pageFile(language),
                         web::pageHtml(style, styleHash, scriptHash));
    }
    lang::use("en");
    ok = ok && write(argv[3], web::charactersIn(torvane::design::Face::Arial)) &&
         write(argv[4], web::textCharacters()) && write(argv[5], web::layoutJson());
    if (!ok)
        std::cerr << "torvane_page: cannot read " << argv[1] << " or write into " << out << "\n";
    return ok ? 0 : 1;
}
