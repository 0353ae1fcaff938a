// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The module's entry point: the page's script passes every event of the
// main window here by its handler's name (page.js, call()), never while an
// earlier one is suspended in a modal window.
#include <emscripten.h>

#include "lang/Language.h"
#include "web/Page.h"
#include "web/frmdiduvor.h"

namespace {

torvane::web::frmdiduvor& window() {
    // The rules' messages and the readings speak the page's language, which
    // the page's own script chose before the first paint.
    [[maybe_unused]] static const bool chosen =
        torvane::lang::use(torvane::lang::choose({torvane::web::page::language()}));
    static torvane::web::frmdiduvor instance;
    return instance;
}

}  // namespace

// The handler named, with the MouseUp's arguments where it takes them; a
// name that has no handler does nothing.
extern "C" EMSCRIPTEN_KEEPALIVE void fire(const char* handler, int button, int shift, float x,
                                          float y) {
    window().handlers().fire(handler, {button, shift, x, y});
}
