// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <algorithm>

#include "design/KeyboardMode.h"
#include "game/Message.h"
#include "game/Table.h"
#include "lang/Language.h"

namespace torvane {

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Torvane: roulette column bets.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    const QCommandLineOption screenshot(
        "screenshot",
        "Render the main window, as it looks after start-up, to the PNG <file> and exit. "
        "Needs no display.",
        "file");
    const QCommandLineOption keyboard("keyboard", design::kKeyboardOptionHelp);
    const QCommandLineOption language("language", lang::kLanguageOptionHelp, "code");
    // For the start-up benchmark and tests: the game quits once its window
    // is on screen.
    QCommandLineOption exitWhenShown("exit-when-shown", "Quit once the window is shown.");
    exitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(keyboard);
    parser.addOption(language);
    parser.addOption(screenshot);
    parser.addOption(exitWhenShown);
    for (const char* qtOption : {"platform", "style", "display", "qwindowgeometry"}) {
        QCommandLineOption passed(qtOption, "", "value");
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }
    const bool platformGiven =
        std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
            return a == "-platform" || a == "--platform" || a.startsWith("-platform=") ||
                   a.startsWith("--platform=");
        });
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    CommandLine result;
    result.platformChosen = platformGiven;
    const bool parsed = parser.parse(arguments);
    result.keyboard = parsed && parser.isSet(keyboard);
    result.exitWhenShown = parsed && parser.isSet(exitWhenShown);
    if (parsed) result.language = parser.value(language);
    if (!parsed) {
        result.action = CommandLine::Action::Error;
        result.text = "torvane: " + parser.errorText() + "\nTry 'torvane --help' for more.";
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = "torvane: unexpected argument '" + parser.positionalArguments().first() +
                      "'\nTry 'torvane --help' for more.";
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.text = parser.helpText().replace("<executable_name>", "torvane");
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text =
            "torvane " + QString::fromStdString(Table::versionText()) + "\n" + kLicenceNotice;
    } else if (parser.isSet(screenshot)) {
        result.action = CommandLine::Action::Screenshot;
        result.screenshotFile = parser.value(screenshot);
    }
    return result;
}

bool noDisplay(const CommandLine& command) {
    return !command.platformChosen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString noDisplayMessage() {
    return "torvane: no display to show the game on: neither DISPLAY (X11) nor WAYLAND_DISPLAY "
           "(Wayland) is set; start it in a desktop session, or use --screenshot FILE, which "
           "needs no display";
}

}  // namespace torvane
