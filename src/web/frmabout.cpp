// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/frmabout.h"

#include "web/Page.h"

#include "design/AboutWindow.h"

namespace torvane::web {
namespace {

// The window; the frame inside it carries the designed name frmabout.
const std::string kWindow = "frmabout-window";

}  // namespace

void frmabout::load() {
    if (loaded()) return;
    page::loadWindow(kWindow);
    Form_Load();
}

void frmabout::show() {
    load();
    while (loaded()) {
        const page::WindowEvent event = page::nextWindowEvent(kWindow);
        if (event.kind == page::WindowEvent::Click) {
            cmdok_Click();
        } else {
            Form_KeyPress(event.character);
        }
    }
}

void frmabout::unload() {
    page::unloadWindow(kWindow);
}

bool frmabout::loaded() const {
    return page::windowLoaded(kWindow);
}

void frmabout::Form_Load() {
    page::setText("lblVersion", design::versionCaption());
    page::setText("lblProductName", design::productNameCaption());
}

void frmabout::cmdok_Click() {
    unload();
}

void frmabout::Form_KeyPress(int) {
    unload();
}

}  // namespace torvane::web
