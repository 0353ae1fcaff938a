// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QString>
#include <QStringList>

namespace torvane {

// What the command line asks for. Without options the game starts.
struct CommandLine {
    enum class Action { Play, Help, Version, Screenshot, Error };
    Action action = Action::Play;
    bool keyboard = false;       // --keyboard: play by keyboard
    bool exitWhenShown = false;  // --exit-when-shown: quit once the window is on screen
    QString screenshotFile;
    QString language;             // --language CODE; empty: the desktop's
    bool platformChosen = false;  // Qt's -platform option was given
    QString text;                 // the help or version text, or the error message
};

// Reads the program's arguments (the program name first). Qt's own
// -platform, -style, -display and -qwindowgeometry options are let through.
CommandLine parseCommandLine(const QStringList& arguments);

// Whether the game has nowhere to show its windows: no X11 or Wayland display
// in the environment and no Qt platform chosen (Qt would abort in its
// platform plugin).
bool noDisplay(const CommandLine& command);
// The one line that says so.
QString noDisplayMessage();

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

}  // namespace torvane
