// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <span>
#include <string_view>

// The catalogues as compiled from po/*.po (Catalogues.cpp, written at build
// time by embed_catalogues.py).
namespace torvane::lang {

struct Entry {
    std::string_view key;    // the context, "\004", the English
    std::string_view forms;  // the translation; for a plural its forms, "\0" between them
};

struct Catalogue {
    const char* language;            // "de", "pt_BR"
    std::span<const Entry> entries;  // sorted by key
    int (*plural)(unsigned long n);  // which form a count takes
};

std::span<const Catalogue> catalogues();

}  // namespace torvane::lang
