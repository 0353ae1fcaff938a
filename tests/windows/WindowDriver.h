// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "support/FakeServices.h"
#include "windows/WindowsServices.h"
#include "windows/frmdiduvor.h"

// Drives the Win32 game in its own process as a player would: real mouse
// and key input (SendInput), read back through Win32 (window texts, list
// items, message boxes, pixels).
namespace torvane::win::testing {

// The real services with a scripted clock second and generator, and the
// shell's opener recorded instead of called.
class ScriptedServices : public WindowsServices {
  public:
    torvane::testing::FakeServices script;
    std::vector<std::string> opened;

    int secondOfMinute() override { return script.secondOfMinute(); }
    float nextRandom() override { return script.nextRandom(); }
    void openAddress(const char* address) override { opened.emplace_back(address); }
};

// The main window whose Tab chain pump() runs, as the game's own message
// loop does (IsDialogMessage); none by default.
void setDialogWindow(HWND window);
// Handles every message waiting for this thread, until none is left.
void pump();

// Moves the pointer to the middle of `control` and presses and releases
// `button` there (1 left, 2 right, 4 middle); twice in quick succession
// for a double click.
void click(HWND control, int button = 1, int times = 1);
// Presses and releases a key, with Shift held where asked.
void pressKey(WORD key, bool shift = false);
// Types `text` into the control with the focus, a character at a time.
void typeText(const std::wstring& text);

// The text of a list box's item.
std::string listItem(HWND list, int index);
// The colour on screen at the middle of `control`.
COLORREF pixelAt(HWND control);

// What a modal window showed when it opened, and the main window's texts
// at that moment.
struct SeenModal {
    std::string className;
    std::string title;
    std::string prompt;  // a message box's text (its static 0xFFFF)
    bool criticalIcon = false;
    RECT rect{};
    std::string bankText;
};

// Watches, on a thread of its own, for the modal windows that `trigger`
// opens on this thread, and answers each with `answer` (run on the
// watcher's thread, with real input where it clicks or types). Returns
// what each showed, in order; gives up on a window left open after 10 s.
std::vector<SeenModal> whileModal(const std::function<void()>& trigger,
                                  const std::function<void(HWND, const SeenModal&)>& answer,
                                  HWND bankBox = nullptr);

// Closes a message box with its OK button, and help and About as a player
// would: a click on the help's text, OK on About.
void closeLikeAPlayer(HWND window, const SeenModal& seen);

}  // namespace torvane::win::testing
