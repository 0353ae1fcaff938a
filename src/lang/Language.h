// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The player's language: every text a player sees or hears is looked up
// here by its context (where it belongs: "cmdspin.text", "noFunds.title")
// and its designed English, in catalogues compiled into the program from
// po/*.po. English is the designed text itself and needs no catalogue.
namespace torvane::lang {

// A text of the catalogue that is not part of a window's design: a
// message, a reading, a line of the page. N_ and NP_ are what xgettext
// looks for (scripts/po.sh) to put them into po/torvane.pot.
class Text {
  public:
    constexpr Text(const char* context, const char* english, const char* englishPlural = nullptr)
        : context(context), english(english), englishPlural(englishPlural) {}
    constexpr Text() = default;
    // A text that no catalogue has ("x" in a test): it is always English.
    constexpr Text(const char* english)
        : english(english) {}  // NOLINT(google-explicit-constructor)

    const char* context = "";
    const char* english = "";
    const char* englishPlural = nullptr;  // where a count shows
};
constexpr Text N_(const char* context, const char* english) {
    return {context, english};
}
constexpr Text NP_(const char* context, const char* english, const char* englishPlural) {
    return {context, english, englishPlural};
}

// What --language says in the command line's help, on the desktop and on Windows.
inline constexpr const char* kLanguageOptionHelp =
    "Play in the language <code> (de, fr, es, pt_BR, af, or en for English) instead of the "
    "desktop's.";

// "en", then the languages that have a catalogue, in their order in po/LINGUAS
// ("de", "fr", "es", "pt_BR", "af").
const std::vector<std::string>& available();

// The language in use; "en" until one is chosen.
std::string current();

// The first of `preferred` that has a catalogue, or "en" when none has.
// Each may be written as a locale ("de_DE.UTF-8", "pt_BR") or a language
// tag ("fr-CA", "pt-BR"): a tag's region picks its own catalogue where there
// is one, and otherwise the language's ("fr-CA" gives fr, "pt-PT" pt_BR).
// "C" and "POSIX" stand for English.
std::string choose(const std::vector<std::string>& preferred);

// `language` as a language tag, as HTML and Windows write it ("pt-BR").
std::string tag(const std::string& language);

// Puts `language` (one of available()) in use; false, and English in use,
// for any other.
bool use(const std::string& language);

// `english` in the language in use, where its catalogue has it for
// `context`; otherwise `english` itself. The result lives as long as the
// program.
const char* text(const char* context, const char* english);
const char* text(const Text& t);
// The form for `count` of a text with a plural.
const char* text(const Text& t, long count);

// `templ` with %1 to %9 filled in from `values`, in one pass (a value that
// itself holds "%2" stays as it is). "%" before anything else stays.
std::string format(std::string_view templ, std::initializer_list<std::string_view> values);

}  // namespace torvane::lang
