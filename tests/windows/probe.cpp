// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// A second program beside the running game, as a tester at another
// window would be: it finds the game's windows, reads their texts and
// presses their buttons and menu items, and prints what it saw.
//   torvane_probe title            waits for the main window; prints its title
//   torvane_probe menu ITEM        chooses the menu item ITEM (about, email, ...)
//   torvane_probe about [keep]     waits for About; prints its version line, and
//                                  types x (which closes it) unless told to keep it
//   torvane_probe help             waits for the help window; prints its title
//   torvane_probe box [keep]       waits for a message box; prints its title and
//                                  prompt, and presses OK unless told to keep it
//   torvane_probe gone CLASS       waits until no window of the class CLASS shows
//                                  (box and gone need no main window: the command
//                                  line's boxes come without one)
//   torvane_probe bank TEXT        types TEXT into the bank
//   torvane_probe press CONTROL    presses a button (cmdspin, ...)
//   torvane_probe close            the close box: WM_CLOSE, as a window manager sends
//   torvane_probe read CONTROL     prints the control's accessible name and
//                                  description, as a screen reader in another
//                                  process reads them (AccessibleObjectFromWindow)
// Exits 1 when what it waits for does not come within 20 seconds.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>

#include "design/MainWindow.h"
#include "windows/Text.h"
#include "windows/frmdiduvor.h"

namespace {

using torvane::win::utf8;
using torvane::win::wide;
using torvane::win::windowText;

constexpr int kTries = 400;  // of 50 ms: 20 seconds

HWND shown(const wchar_t* className) {
    HWND found = FindWindowW(className, nullptr);
    return found != nullptr && IsWindowVisible(found) != FALSE ? found : nullptr;
}

HWND waitFor(const wchar_t* className) {
    for (int i = 0; i < kTries; ++i) {
        if (HWND found = shown(className)) return found;
        Sleep(50);
    }
    std::fprintf(stderr, "torvane_probe: no window of class %s\n", utf8(className).c_str());
    std::exit(1);
}

void waitUntilGone(const wchar_t* className) {
    for (int i = 0; i < kTries; ++i) {
        if (shown(className) == nullptr) return;
        Sleep(50);
    }
    std::fprintf(stderr, "torvane_probe: a window of class %s still shows\n",
                 utf8(className).c_str());
    std::exit(1);
}

// The main window's child of that design name: children are made in tab
// order, each with its designed text, and with the id 100 + its place in
// the design.
HWND child(HWND main, const std::string& name) {
    const auto& controls = torvane::design::mainWindow().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (name == controls[i].name) return GetDlgItem(main, 100 + static_cast<int>(i));
    }
    return nullptr;
}

int menuId(const std::string& name) {
    for (const auto& menu : torvane::design::mainWindow().menus) {
        for (const auto& item : menu.items) {
            if (name == item.name) return torvane::win::frmdiduvor::menuId(item);
        }
    }
    return 0;
}

// A control's accessible name and description, "(none)" for a missing one.
void printReading(HWND control) {
    CoInitialize(nullptr);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        std::printf("(no object)\n");
        return;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (const auto get : {&IAccessible::get_accName, &IAccessible::get_accDescription}) {
        BSTR text = nullptr;
        (object->*get)(self, &text);
        std::printf("%s\n", text != nullptr ? utf8(text).c_str() : "(none)");
        SysFreeString(text);
    }
    std::fflush(stdout);
    object->Release();
    CoUninitialize();
}

void print(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string command = argv[1];
    const std::string argument = argc > 2 ? argv[2] : "";
    if (command == "box") {
        HWND box = waitFor(L"#32770");
        print(windowText(box));
        print(windowText(GetDlgItem(box, 0xFFFF)));
        if (argument != "keep") PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "gone") {
        waitUntilGone(wide(argument).c_str());
        return 0;
    }
    HWND main = waitFor(L"Torvane");
    if (command == "title") {
        print(windowText(main));
    } else if (command == "menu") {
        const int id = menuId(argument);
        if (id == 0) return 2;
        PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0);
    } else if (command == "about") {
        HWND about = waitFor(L"TorvaneAbout");
        for (HWND c = GetWindow(about, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            const std::string text = windowText(c);
            if (text.rfind("Version", 0) == 0) print(text);
        }
        if (argument != "keep") PostMessageW(about, WM_CHAR, L'x', 0);
    } else if (command == "help") {
        print(windowText(waitFor(L"TorvaneHelp")));
    } else if (command == "bank") {
        SendMessageW(child(main, "txtbank"), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(wide(argument).c_str()));
    } else if (command == "press") {
        PostMessageW(child(main, argument), BM_CLICK, 0, 0);
    } else if (command == "read") {
        printReading(child(main, argument));
    } else if (command == "close") {
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
