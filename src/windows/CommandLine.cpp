// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include "design/KeyboardMode.h"
#include "game/Message.h"
#include "game/Table.h"
#include "lang/Language.h"
#include "windows/Text.h"

namespace torvane::win {
namespace {

std::string usage() {
    return std::string(
               "Usage: torvane [options]\n"
               "Torvane: roulette column bets.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Show this help and exit.\n"
               "  -v, --version  Show the version and exit.\n"
               "  --keyboard     ") +
           design::kKeyboardOptionHelp + "\n  --language <code>  " + lang::kLanguageOptionHelp +
           "\n";
}

}  // namespace

WindowsCommand parseWindowsCommand(const std::vector<std::wstring>& arguments) {
    WindowsCommand command;
    for (auto at = arguments.begin(); at != arguments.end(); ++at) {
        const std::wstring& argument = *at;
        if (argument == L"-h" || argument == L"--help" || argument == L"/?") {
            if (command.action == WindowsCommand::Action::Play) {
                command.action = WindowsCommand::Action::Help;
                command.text = usage();
            }
        } else if (argument == L"-v" || argument == L"--version") {
            if (command.action == WindowsCommand::Action::Play) {
                command.action = WindowsCommand::Action::Version;
                command.text = "torvane " + Table::versionText() + "\n" + kLicenceNotice;
            }
        } else if (argument == L"--keyboard") {
            command.keyboard = true;
        } else if (argument == L"--language" && at + 1 != arguments.end()) {
            command.language = utf8(*++at);
        } else if (argument.starts_with(L"--language=")) {
            command.language = utf8(argument.substr(11));
        } else {
            const bool option = !argument.empty() && argument.front() == L'-';
            command.action = WindowsCommand::Action::Error;
            command.text = std::string("torvane: ") +
                           (option ? "unknown option '" : "unexpected argument '") +
                           utf8(argument) + "'\nTry 'torvane --help' for more.";
            return command;
        }
    }
    return command;
}

bool keyboardModeFor(const WindowsCommand& command) {
    BOOL screenReader = FALSE;
    SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0);
    return command.keyboard || screenReader != FALSE;
}

void useLanguageFor(const WindowsCommand& command) {
    std::vector<std::string> preferred;
    if (!command.language.empty()) {
        preferred.push_back(command.language);
    } else {
        // A list of names ("de-DE", "en-US"), each ended by a NUL, the
        // whole by a second one.
        ULONG count = 0;
        ULONG size = 0;
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
            std::wstring names(size, L'\0');
            if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
                for (const wchar_t* name = names.c_str(); *name; name += wcslen(name) + 1) {
                    preferred.push_back(utf8(name));
                }
            }
        }
    }
    lang::use(lang::choose(preferred));
}

std::vector<std::wstring> processArguments() {
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; list != nullptr && i < count; ++i) arguments.emplace_back(list[i]);
    LocalFree(list);
    return arguments;
}

// A game started from a console writes there, as a console program would;
// one started from the desktop has none and shows a box. AttachConsole
// fails with ERROR_ACCESS_DENIED when the process already has a console:
// wine gives a GUI program the console of the terminal or of the console
// program that started it, and the text then goes there just the same.
void report(const std::string& text, bool error) {
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (attached || GetLastError() == ERROR_ACCESS_DENIED) {
        HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
        const std::string line = text.back() == '\n' ? text : text + "\n";
        DWORD written = 0;
        if (GetFileType(out) == FILE_TYPE_CHAR) {
            const std::wstring wideLine = wide(line);
            WriteConsoleW(out, wideLine.c_str(), static_cast<DWORD>(wideLine.size()), &written,
                          nullptr);
        } else {
            WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        }
        if (attached) FreeConsole();
        return;
    }
    MessageBoxW(nullptr, wide(text).c_str(), wide(kAppTitle).c_str(),
                MB_OK | (error ? MB_ICONHAND : 0));
}

}  // namespace torvane::win
