// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The page in each language: which file holds which language, the script
// that sends a player to theirs, and the characters the fonts must keep.
#include <algorithm>
#include <cctype>
#include <set>

#include "design/AboutWindow.h"
#include "design/MainWindow.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "web/PageMarkup.h"

namespace torvane::web {
namespace {

namespace d = torvane::design;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Adds each UTF-8 character of `text` that `characters` does not have yet.
class Characters {
  public:
    void add(std::string_view text) {
        for (std::size_t i = 0; i < text.size();) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte == 0) {  // between a plural's forms
                ++i;
                continue;
            }
            const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
            const std::string character(text.substr(i, length));
            if (seen_.insert(character).second) all_ += character;
            i += length;
        }
    }
    const std::string& all() const { return all_; }

  private:
    std::set<std::string> seen_;
    std::string all_;
};

// Runs `each` once in every language, and leaves the language in use as it was.
template <class Each>
void inEveryLanguage(Each each) {
    const std::string was = lang::current();
    for (const std::string& language : lang::available()) {
        lang::use(language);
        each();
    }
    lang::use(was);
}

}  // namespace

std::string pageFile(const std::string& language) {
    return language == "en" ? "index.html" : lang::tag(language) + ".html";
}

std::string languageScript() {
    // Each page by its tag in lower case, and by its language alone where
    // no other page of that language came first.
    std::string pages;
    std::set<std::string> keys;
    for (const bool whole : {true, false}) {
        for (const std::string& language : lang::available()) {
            std::string key = lower(lang::tag(language));
            if (!whole) key.resize(std::min(key.size(), key.find('-')));
            if (!keys.insert(key).second) continue;
            pages +=
                (pages.empty() ? "" : ",") + ("\"" + key + "\":\"" + pageFile(language) + "\"");
        }
    }
    return "(function(){var pages={" + pages +
           "};function page(tag){tag=String(tag).toLowerCase().replace(/_/g,\"-\");"
           "return pages[tag]||pages[tag.split(\"-\")[0]];}"
           "var asked=new URLSearchParams(location.search).get(\"lang\");"
           "var here=document.documentElement.lang==\"en\";var wanted=null;"
           "if(asked!==null)wanted=page(asked)||pages.en;"
           "else if(here)wanted=(navigator.languages||[navigator.language]).map(page)"
           ".filter(Boolean)[0]||null;"
           "var file=location.pathname.split(\"/\").pop()||\"index.html\";"
           "if(wanted&&wanted!=file)location.replace(wanted+location.search+location.hash);})();";
}

std::string charactersIn(d::Face face) {
    Characters characters;
    const auto addControls = [&](const std::vector<d::Control>& controls) {
        for (const d::Control& c : controls) {
            if (c.font.face == face) characters.add(c.text);
        }
    };
    inEveryLanguage([&] {
        addControls(d::mainWindow().controls);
        addControls(d::mainWindow().chartCaptions);
        addControls(d::aboutWindow().controls);
        if (face == d::Face::Arial) {
            // What the About window's load handler writes.
            characters.add(d::versionCaption());
            characters.add(d::productNameCaption());
        }
    });
    return characters.all();
}

std::string textCharacters() {
    Characters characters;
    for (char c = ' '; c <= '~'; ++c) characters.add(std::string(1, c));
    for (const lang::Catalogue& catalogue : lang::catalogues()) {
        for (const lang::Entry& entry : catalogue.entries) characters.add(entry.forms);
    }
    characters.add("\u2026");  // what ends a typed text cut short in a message
    return characters.all();
}

}  // namespace torvane::web
