// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Keyboard mode on Windows, played with real keys: the bet boxes in the Tab
// chain, the keys on a focused box and its focus frame, a refusal by key,
// help's keys, and the mode turning itself on for a screen reader.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "windows/CommandLine.h"

namespace torvane::win::testing {
namespace {

struct KeyboardGame : Game {
    bool keyboardMode() const override { return true; }

    // The colour on the screen at a control's top left corner, its edge.
    static COLORREF edgeOf(HWND control) {
        RECT r;
        GetWindowRect(control, &r);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, r.left, r.top);
        ReleaseDC(nullptr, screen);
        return colour;
    }
};

TEST_F(KeyboardGame, TabRunsThroughTheBetBoxesAfterTheDesignedEight) {
    for (const d::Control* c : d::focusChain(true)) {
        EXPECT_EQ(GetFocus(), control(c->name)) << c->name;
        pressKey(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), control("cmdspin"));
}

// Space, Enter and + place; Delete, Backspace and - take back; other keys
// do nothing, and Enter presses no button. The focused box wears its
// yellow frame, and only while it has the focus.
TEST_F(KeyboardGame, KeysOnAFocusedBoxPlaceAndTakeBack) {
    HWND left = box(Box::Left);
    EXPECT_NE(edgeOf(left), RGB(255, 255, 0));
    SetFocus(left);
    pump();
    EXPECT_EQ(edgeOf(left), RGB(255, 255, 0));

    pressKey(VK_SPACE);
    pressKey(VK_RETURN);
    typeText(L"+");
    EXPECT_EQ(text("lblleft"), "75");
    EXPECT_EQ(text("txtbank"), "925");
    typeText(L"a5");
    pressKey(VK_LEFT);
    EXPECT_EQ(text("lblleft"), "75");
    pressKey(VK_DELETE);
    pressKey(VK_BACK);
    typeText(L"-");
    EXPECT_EQ(text("lblleft"), "0");
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_EQ(historyCount(), 0);
    EXPECT_EQ(GetFocus(), left);

    pressKey(VK_TAB);
    EXPECT_NE(edgeOf(left), RGB(255, 255, 0));
}

// A key on a box is a release like a click: refused alike, with one
// critical message, the stake untouched.
TEST_F(KeyboardGame, AKeyOnABoxIsRefusedAsAClickIs) {
    SetWindowTextW(control("txtbank"), L"abc");
    SetFocus(box(Box::Middle));
    const auto seen = closingEach([&] { pressKey(VK_SPACE); });
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_TRUE(seen[0].criticalIcon);
    EXPECT_EQ(seen[0].title, "Torvane");
    EXPECT_EQ(text("lblmiddle"), "0");
}

TEST_F(KeyboardGame, EscapeAndEnterCloseTheHelp) {
    for (const WORD key : {WORD{VK_ESCAPE}, WORD{VK_RETURN}}) {
        const auto seen = whileModal([&] { menu("help"); },
                                     [&](HWND help, const SeenModal&) {
                                         pressKey('A');
                                         EXPECT_TRUE(IsWindowVisible(help));
                                         pressKey(key);
                                     });
        EXPECT_EQ(seen.size(), 1U);
        EXPECT_EQ(services.help().window(), nullptr);
    }
    EXPECT_TRUE(IsWindowEnabled(window->window()));
}

// --keyboard asks for the mode; Windows' screen-reader flag turns it on by
// itself.
TEST(KeyboardMode, OnWhenAskedOrWhileAScreenReaderRuns) {
    BOOL before = FALSE;
    SystemParametersInfoW(SPI_GETSCREENREADER, 0, &before, 0);
    const WindowsCommand plain = parseWindowsCommand({});
    const WindowsCommand asked = parseWindowsCommand({L"--keyboard"});
    EXPECT_EQ(asked.action, WindowsCommand::Action::Play);

    SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, 0);
    EXPECT_FALSE(keyboardModeFor(plain));
    EXPECT_TRUE(keyboardModeFor(asked));
    SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, 0);
    EXPECT_TRUE(keyboardModeFor(plain));

    SystemParametersInfoW(SPI_SETSCREENREADER, before, nullptr, 0);
}

}  // namespace
}  // namespace torvane::win::testing
