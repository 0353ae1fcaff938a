// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "app/RunGame.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/PlayOptions.h"
#include "app/ShutdownSignals.h"
#include "game/Message.h"
#include "game/Version.h"
#include "ui/Design.h"
#include "ui/PlayerLanguage.h"
#include "ui/QtDesktopServices.h"
#include "ui/frmdiduvor.h"

namespace torvane {
namespace {

QStringList rawArguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

int runGame(int& argc, char** argv, const StartedHook& started) {
    // Read before any window system is touched, so --help, --version and
    // --screenshot work without a display.
    const CommandLine command = parseCommandLine(rawArguments(argc, argv));
    switch (command.action) {
        case CommandLine::Action::Error:
            print(stderr, command.text + "\n");
            return kExitUsage;
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            print(stdout, command.text);
            return kExitOk;
        case CommandLine::Action::Screenshot:
            qputenv("QT_QPA_PLATFORM", "offscreen");
            break;
        case CommandLine::Action::Play:
            if (noDisplay(command)) {
                print(stderr, noDisplayMessage() + "\n");
                return kExitFailure;
            }
            break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QString::fromStdString(Table::versionText()));
    // Ties the windows to their desktop entry: the Wayland app id, and the
    // menu entry's icon and name in the task switcher.
    QGuiApplication::setDesktopFileName(kDesktopId);
    ui::setUpResources();
    const std::string language = ui::usePlayerLanguage(command.language);
    if (!command.language.isEmpty() && language == "en" && !command.language.startsWith("en")) {
        print(stderr, "torvane: no catalogue for the language '" + command.language +
                          "'; playing in English\n");
    }

    ui::QtDesktopServices services;
    ui::frmdiduvor window(services);
    // SIGTERM and SIGINT close the game as File > Exit does; from here on, so
    // that one arriving while the window is first shown is not lost.
    const ShutdownSignals shutdownSignals([&window] { closeGameAsExitDoes(window); });
    window.Form_Load();  // before the window is first shown
    window.show();

    if (command.action == CommandLine::Action::Screenshot) {
        // Quality 80 is zlib's fastest compression: the image is written in a
        // fraction of the default's time, for a file a little larger.
        constexpr int kFastPng = 80;
        if (!window.grab().save(command.screenshotFile, "PNG", kFastPng)) {
            print(stderr,
                  "torvane: could not write the screenshot to '" + command.screenshotFile + "'\n");
            return kExitFailure;
        }
        return kExitOk;
    }
    const PlayOptions options(command, window);
    if (started) {
        QTimer::singleShot(0, &window,
                           [&window, &services, &started] { started(window, services); });
    }
    return options.exitStatus(QApplication::exec());
}

}  // namespace torvane
