// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Build-time tool, run by Node.js: writes the page from the design.
//   torvane_page STYLE.css SITE CHARACTERS LAYOUT
// writes SITE/index.html with its style sheet inside (STYLE.css, then the
// design's rules: the first paint waits for no style sheet to come), into
// the file CHARACTERS what the design writes in Arial, and into LAYOUT the
// main window's designed rectangles for the browser tests.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

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
    if (argc != 5) {
        std::cerr << "usage: torvane_page STYLE.css SITE CHARACTERS LAYOUT\n";
        return 2;
    }
    std::ifstream styleFile(argv[1], std::ios::binary);
    std::stringstream handWritten;
    handWritten << styleFile.rdbuf();
    const std::string style = handWritten.str() + torvane::web::layoutCss();
    const std::string out = argv[2];
    const bool ok = styleFile &&
                    write(out + "/index.html",
                          torvane::web::pageHtml(style, torvane::web::sha256Base64(style))) &&
                    write(argv[3], torvane::web::charactersIn(torvane::design::Face::Arial)) &&
                    write(argv[4], torvane::web::layoutJson());
    if (!ok)
        std::cerr << "torvane_page: cannot read " << argv[1] << " or write into " << out << "\n";
    return ok ? 0 : 1;
}
