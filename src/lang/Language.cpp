// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "lang/Language.h"

#include <algorithm>
#include <cctype>

#include "lang/Catalogue.h"

namespace torvane::lang {
namespace {

// The catalogue in use; none for the designed English.
const Catalogue* inUse = nullptr;

// "pt_BR.UTF-8@euro" and "pt-br" both become "pt_br"; the primary language
// alone is what comes before the first "_".
std::string normalised(std::string_view code) {
    const auto cut = code.find_first_of(".@");
    if (cut != std::string_view::npos) code = code.substr(0, cut);
    std::string out;
    for (const char c : code) {
        out += c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}
std::string primary(const std::string& code) {
    return code.substr(0, code.find('_'));
}

const Catalogue* find(const std::string& language) {
    for (const Catalogue& c : catalogues()) {
        if (language == c.language) return &c;
    }
    return nullptr;
}

const Entry* lookup(std::string_view context, std::string_view english) {
    if (!inUse) return nullptr;
    std::string key(context);
    key += '\004';
    key += english;
    const auto entries = inUse->entries;
    const auto it =
        std::lower_bound(entries.begin(), entries.end(), key,
                         [](const Entry& e, const std::string& k) { return e.key < k; });
    return it != entries.end() && it->key == key ? &*it : nullptr;
}

}  // namespace

const std::vector<std::string>& available() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> names{"en"};
        for (const Catalogue& c : catalogues()) names.emplace_back(c.language);
        return names;
    }();
    return all;
}

std::string current() {
    return inUse ? inUse->language : "en";
}

std::string choose(const std::vector<std::string>& preferred) {
    for (const std::string& wanted : preferred) {
        const std::string code = normalised(wanted);
        if (code.empty()) continue;
        if (code == "c" || code == "posix") return "en";
        // The whole code first ("pt_br"), then its language alone ("pt"),
        // then any catalogue of that language.
        for (const bool whole : {true, false}) {
            for (const std::string& name : available()) {
                const std::string have = normalised(name);
                if (whole ? have == code : primary(have) == primary(code)) return name;
            }
        }
    }
    return "en";
}

std::string tag(const std::string& language) {
    std::string t = language;
    std::replace(t.begin(), t.end(), '_', '-');
    return t;
}

bool use(const std::string& language) {
    inUse = find(language);
    return inUse || language == "en";
}

const char* text(const char* context, const char* english) {
    const Entry* e = lookup(context, english);
    return e ? e->forms.data() : english;
}

const char* text(const Text& t) {
    return text(t.context, t.english);
}

const char* text(const Text& t, long count) {
    const unsigned long n =
        count < 0 ? 0UL - static_cast<unsigned long>(count) : static_cast<unsigned long>(count);
    const Entry* e = lookup(t.context, t.english);
    if (!e) return n == 1 || !t.englishPlural ? t.english : t.englishPlural;
    // The forms stand one after the other, "\0" between them; a form past
    // the last there is falls back to the last.
    int wanted = inUse->plural(n);
    std::string_view forms = e->forms;
    std::string_view form = forms.substr(0, forms.find('\0'));
    for (std::size_t at = 0; wanted-- > 0;) {
        at = forms.find('\0', at);
        if (at == std::string_view::npos) break;
        ++at;
        form = forms.substr(at, forms.find('\0', at) - at);
    }
    return form.data();
}

std::string format(std::string_view templ, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(templ.size() + 16);
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char c = templ[i];
        if (c == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(templ[i + 1] - '1');
            if (index < values.size()) {
                out += *(values.begin() + index);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace torvane::lang
