// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The module's entry points: one per handler of the main window, which the
// page's script calls by the handler's name (page.js, call()), never while
// an earlier one is suspended in a modal window.
#include <emscripten.h>

#include "web/frmdiduvor.h"

namespace {

torvane::web::frmdiduvor& window() {
    static torvane::web::frmdiduvor instance;
    return instance;
}

}  // namespace

// Each entry point passes its event, with the event's own arguments, to the
// main window's handler of the same name.
#define TORVANE_EVENT(handler)            \
    EMSCRIPTEN_KEEPALIVE void handler() { \
        window().handler();               \
    }
#define TORVANE_MOUSE_EVENT(handler)                                             \
    EMSCRIPTEN_KEEPALIVE void handler(int button, int shift, float x, float y) { \
        window().handler(button, shift, x, y);                                   \
    }

extern "C" {
TORVANE_EVENT(Form_Load)
TORVANE_EVENT(cmdspin_Click)
TORVANE_EVENT(cmdreset_Click)
TORVANE_EVENT(cmdtransfer_Click)
TORVANE_EVENT(cmddblup_Click)
TORVANE_EVENT(cmddbldown_Click)
TORVANE_MOUSE_EVENT(lblleft_MouseUp)
TORVANE_MOUSE_EVENT(lblmiddle_MouseUp)
TORVANE_MOUSE_EVENT(lblright_MouseUp)
TORVANE_EVENT(exit_Click)
TORVANE_EVENT(newgame_Click)
TORVANE_EVENT(help_Click)
TORVANE_EVENT(about_Click)
TORVANE_EVENT(mailme_Click)
TORVANE_EVENT(email_Click)
}
