// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>
#include <vector>

namespace torvane::win {

// What the command line asks for: the Linux game's options, as far as they
// mean something on Windows.
struct WindowsCommand {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    std::string text;       // what --help, --version or an error says
    bool keyboard = false;  // --keyboard: play by keyboard
    std::string language;   // --language CODE; empty: the desktop's
};

// Reads the arguments after the program's name.
WindowsCommand parseWindowsCommand(const std::vector<std::wstring>& arguments);

// Keyboard mode: asked for with --keyboard, or on by itself while Windows
// says that a screen reader runs (SPI_GETSCREENREADER).
bool keyboardModeFor(const WindowsCommand& command);

// Puts the player's language in use: the one --language asked for, or else
// the first of the user's preferred display languages that has a catalogue
// (GetUserPreferredUILanguages); English when none has.
void useLanguageFor(const WindowsCommand& command);

// The arguments of this process (CommandLineToArgvW), without its name.
std::vector<std::wstring> processArguments();

// Prints `text` to the console that started the game, or shows it in a
// box where there is none; a critical box for an error.
void report(const std::string& text, bool error);

}  // namespace torvane::win
