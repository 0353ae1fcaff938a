// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The hash of the page's style sheet, by Node.js's own crypto: the build tool
// runs under Node.js, so it asks its host rather than carry a hash of its own.
#include "web/NodeHash.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

// clang-format off
EM_JS(char*, nodeSha256Base64, (const char* bytes, size_t length), {
    const hash = require('crypto').createHash('sha256')
        .update(HEAPU8.subarray(bytes, bytes + length)).digest('base64');
    const size = lengthBytesUTF8(hash) + 1;
    const out = _malloc(size);
    stringToUTF8(hash, out, size);
    return out;
});
// clang-format on

}  // namespace

namespace torvane::web {

std::string sha256Base64(const std::string& text) {
    char* hash = nodeSha256Base64(text.data(), text.size());
    std::string result(hash);
    std::free(hash);
    return result;
}

}  // namespace torvane::web
