// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "lang/Language.h"

namespace torvane::testing {

// Plays in `language` while it lives, then in the designed English again.
class InLanguage {
  public:
    explicit InLanguage(const std::string& language) { lang::use(language); }
    ~InLanguage() { lang::use("en"); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace torvane::testing
