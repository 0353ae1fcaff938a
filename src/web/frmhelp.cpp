// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/frmhelp.h"

#include "design/HelpWindow.h"
#include "web/Page.h"

namespace torvane::web {
namespace {

const std::string kWindow = design::helpWindow().window.name;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

}  // namespace

// Escape and Enter close it too, as a click on its text does: a player
// without a pointer has no other way out.
void frmhelp::show() {
    page::loadWindow(kWindow);
    Form_Load();
    while (page::windowLoaded(kWindow)) {
        const page::WindowEvent event = page::nextWindowEvent(kWindow);
        const bool closingKey = event.kind == page::WindowEvent::KeyPress &&
                                (event.character == kEnter || event.character == kEscape);
        if (event.kind == page::WindowEvent::Click || closingKey) lblhelp_Click();
    }
}

void frmhelp::unload() {
    page::unloadWindow(kWindow);
}

// Places the window where the design puts it, the screen's corner taken as
// the page's, and fills the panel; its line breaks show as such.
void frmhelp::Form_Load() {
    const design::HelpWindowDesign& d = design::helpWindow();
    page::placeWindow(kWindow, design::pixels(d.window.rect.left),
                      design::pixels(d.window.rect.top));
    page::setText(d.lblhelp.name, design::helpText());
}

void frmhelp::lblhelp_Click() {
    unload();
}

}  // namespace torvane::web
