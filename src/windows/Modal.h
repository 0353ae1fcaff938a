// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <functional>

// Modal showing: while a message box, help or About is open, the main
// window takes no input, so no handler is entered a second time.
namespace torvane::win {

// How many modal showings are open now (message boxes included).
int modalDepth();

// Counts a modal showing for as long as it lives.
class ModalScope {
  public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// Shows `window` modally over `owner`: the owner is disabled, messages are
// handled until `closed()` says so, and the owner is enabled again before
// the caller destroys `window`. `preview` sees each message first and
// returns true when it has handled it. A WM_QUIT ends the loop and is
// posted again for the loop outside.
void runModal(HWND owner, HWND window, const std::function<bool()>& closed,
              const std::function<bool(const MSG&)>& preview = {});

}  // namespace torvane::win
