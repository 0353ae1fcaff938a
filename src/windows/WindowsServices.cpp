// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/WindowsServices.h"

#include <shellapi.h>

#include "game/Message.h"
#include "windows/Modal.h"
#include "windows/Text.h"

namespace torvane::win {

// MB_ICONHAND for a critical message, no icon for a plain one.
void WindowsServices::showMessage(const Message& message) {
    const ModalScope scope;
    const UINT icon = message.style == MessageStyle::Critical ? MB_ICONHAND : 0;
    MessageBoxW(mainWindow_, wide(message.prompt).c_str(), wide(message.title).c_str(),
                MB_OK | icon);
}

void WindowsServices::loadAboutWindow() {
    about_.load(mainWindow_);
}

int WindowsServices::secondOfMinute() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wSecond;
}

float WindowsServices::nextRandom() {
    return generator_.next();
}

void WindowsServices::showHelpWindow() {
    help_.show(mainWindow_);
}

void WindowsServices::showAboutWindow() {
    about_.show(mainWindow_);
}

void WindowsServices::unloadWindows() {
    about_.unload();
    help_.unload();
}

void WindowsServices::openAddress(const char* address) {
    ShellExecuteW(mainWindow_, L"open", wide(address).c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace torvane::win
