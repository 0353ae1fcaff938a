// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The process: reads the command line, creates the main window, runs its
// load handler, shows it and handles messages until it is unloaded.
#include <windows.h>

#include "windows/CommandLine.h"
#include "windows/WindowsServices.h"
#include "windows/frmdiduvor.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    using torvane::win::WindowsCommand;
    const WindowsCommand command =
        torvane::win::parseWindowsCommand(torvane::win::processArguments());
    switch (command.action) {
        case WindowsCommand::Action::Error:
            torvane::win::report(command.text, true);
            return kExitUsage;
        case WindowsCommand::Action::Help:
        case WindowsCommand::Action::Version:
            torvane::win::report(command.text, false);
            return kExitOk;
        case WindowsCommand::Action::Play:
            break;
    }

    // Before any window reads its design.
    torvane::win::useLanguageFor(command);
    torvane::win::WindowsServices services;
    torvane::win::frmdiduvor window(services);
    window.setKeyboardMode(torvane::win::keyboardModeFor(command));
    window.start(showCommand);

    MSG msg;
    BOOL got = 0;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (window.preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}
