// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

namespace torvane::web {

// The base64 SHA-256 of `text`, as a Content-Security-Policy names an
// inline style sheet. Computed by Node.js, which runs the page's build tool.
std::string sha256Base64(const std::string& text);

}  // namespace torvane::web
