// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "WindowDriver.h"
#include "design/MainWindow.h"
#include "windows/Text.h"

namespace torvane::win::testing {

namespace d = torvane::design;

// The real main window over scripted services, shown and in front, its
// Tab chain run as the game's message loop runs it.
struct Game : ::testing::Test {
    ScriptedServices services;
    std::unique_ptr<frmdiduvor> window;

    // Whether the window plays in keyboard mode.
    virtual bool keyboardMode() const { return false; }

    void SetUp() override {
        window = std::make_unique<frmdiduvor>(services);
        window->setKeyboardMode(keyboardMode());
        window->start();
        setDialogWindow(window->window());
        SetForegroundWindow(window->window());
        pump();
    }
    void TearDown() override {
        setDialogWindow(nullptr);
        window.reset();
        pump();
    }

    HWND control(const char* name) const { return window->children().window(name); }
    std::string text(const char* name) const { return windowText(control(name)); }
    HWND box(Box b) const { return control(d::betBox(b).name); }
    int historyCount() const {
        return static_cast<int>(SendMessageW(control("lsthistory"), LB_GETCOUNT, 0, 0));
    }
    void menu(const char* item) {
        for (const d::Menu& m : d::mainWindow().menus) {
            for (const d::MenuItem& i : m.items) {
                if (std::string(i.name) == item) {
                    // What the menu sends when the item is chosen.
                    PostMessageW(window->window(), WM_COMMAND, frmdiduvor::menuId(i), 0);
                }
            }
        }
    }
    // Runs `trigger`, closing each modal window as a player would.
    std::vector<SeenModal> closingEach(const std::function<void()>& trigger) {
        return whileModal(trigger, closeLikeAPlayer, control("txtbank"));
    }
};

}  // namespace torvane::win::testing
