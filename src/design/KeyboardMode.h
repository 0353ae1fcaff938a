// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "game/Table.h"

// Keyboard mode, the same on every front end: the bet boxes join the Tab
// chain after the designed eight, and a focused box takes keys that stand
// for a mouse release on it. Each front end maps its own key codes to
// these keys.
namespace torvane::design {

// The keys a focused bet box answers.
enum class BetBoxKey { Space, Enter, Plus, Minus, Delete, Backspace };

// What a key stands for: the button of the release it makes (left places,
// right takes back), and whether holding it down repeats the release.
struct KeyRelease {
    Amount button;
    bool repeats;
};

constexpr KeyRelease releaseFor(BetBoxKey key) {
    switch (key) {
        case BetBoxKey::Plus:
            return {kLeftButton, true};
        case BetBoxKey::Space:
        case BetBoxKey::Enter:
            return {kLeftButton, false};
        case BetBoxKey::Minus:
            return {kRightButton, true};
        case BetBoxKey::Delete:
        case BetBoxKey::Backspace:
            return {kRightButton, false};
    }
    return {kLeftButton, false};
}

// What --keyboard says in the command line's help.
inline constexpr const char* kKeyboardOptionHelp =
    "Play by keyboard: the three bet boxes take the focus after the arrow buttons (Tab), "
    "Space, Enter or + places a bet and -, Delete or Backspace takes one back, Escape "
    "closes the help. Alt or F10 opens the menus. Also on by itself when a screen reader "
    "is running.";

}  // namespace torvane::design
