// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The Win32 game in its own process, played with real mouse and key input
// and read back through Win32: a whole game, refusals, bad input, help and
// About, the Tab chain, and every control where the design puts it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "GameFixture.h"
#include "design/AboutWindow.h"
#include "design/HelpWindow.h"
#include "design/MainWindow.h"
#include "windows/Graphics.h"
#include "windows/Text.h"

namespace torvane::win::testing {
namespace {

TEST_F(Game, AWholeGameWithRealInput) {
    EXPECT_EQ(windowText(window->window()), "   Diduvor 3/1 V1.0.18");
    EXPECT_EQ(text("lblwin"), "R0");
    EXPECT_EQ(GetFocus(), control("cmdspin"));

    click(box(Box::Left));
    click(box(Box::Middle), 4);  // the middle button places too
    click(box(Box::Left));
    click(box(Box::Right), 1, 2);  // a quick double click places twice
    click(box(Box::Left), 2);      // the right button takes back
    EXPECT_EQ(text("lblleft"), "25");
    EXPECT_EQ(text("lblmiddle"), "25");
    EXPECT_EQ(text("lblright"), "50");
    EXPECT_EQ(text("txtbank"), "900");

    // Eleven spins at chosen seconds: the history keeps the last ten.
    const struct {
        int second;
        int number;
    } spins[] = {{7, 7},   {0, 0},  {13, 14}, {59, 36}, {1, 2}, {30, 1},
                 {42, 20}, {5, 33}, {22, 0},  {18, 9},  {3, 35}};
    for (const auto& s : spins) {
        services.script.drawAt(s.second, s.number);
        click(control("cmdspin"));
    }
    ASSERT_EQ(historyCount(), 10);
    EXPECT_EQ(listItem(control("lsthistory"), 0), "0002   0");
    EXPECT_EQ(listItem(control("lsthistory"), 9), "0011   35");
    // The first spin drew 7 (left column, 25 staked): 75 won; the stakes
    // went with it.
    EXPECT_EQ(text("lblwin"), "R75");
    EXPECT_EQ(text("lblleft"), "0");
    EXPECT_EQ(text("lblright"), "0");
    // Only the last number drawn is lit, on the screen too.
    EXPECT_EQ(pixelAt(control("lbl0_35")), RGB(0, 255, 0));
    EXPECT_EQ(pixelAt(control("lbl0_7")), RGB(0, 192, 0));
    // The chart over eleven presses: zero 2, left 2, middle 4, right 3.
    EXPECT_EQ(window->chart().share(Bar::Zero), (BarShare{2, 11}));
    EXPECT_EQ(window->chart().share(Bar::Middle), (BarShare{4, 11}));
    EXPECT_FLOAT_EQ(window->chart().barTop(Bar::Middle), 636.0F);

    click(control("cmdtransfer"));
    EXPECT_EQ(text("txtbank"), "975");
    EXPECT_EQ(text("lblwin"), "0");  // plain digits after a transfer, as designed
    click(control("cmdreset"));
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_EQ(historyCount(), 0);
}

// A refused spin: the controls keep their values while the box is open,
// and after OK play goes on.
TEST_F(Game, ARefusalHoldsTheOldValuesUntilOk) {
    SetWindowTextW(control("txtbank"), L"0");
    const auto seen = closingEach([&] { click(control("cmdspin")); });
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].title, "No Funds Available");
    EXPECT_EQ(seen[0].prompt, "To continue u must deposit more money in the bank.");
    EXPECT_TRUE(seen[0].criticalIcon);
    EXPECT_EQ(seen[0].bankText, "0");
    EXPECT_EQ(historyCount(), 0);
    click(control("cmddblup"));
    EXPECT_EQ(text("txtbets"), "50");
}

// Letters in the bank, and a bank as long as an edit takes: one critical
// message each, quoting at most 40 typed characters, on the screen; no
// stake moves and play goes on.
TEST_F(Game, BadBanksGiveOneMessageAndPlayGoesOn) {
    for (const std::wstring& bank : {std::wstring(L"lots"), std::wstring(32767, L'9')}) {
        SetWindowTextW(control("txtbank"), bank.c_str());
        const auto seen = closingEach([&] { click(box(Box::Left)); });
        ASSERT_EQ(seen.size(), 1U);
        EXPECT_EQ(seen[0].title, "Torvane");
        EXPECT_TRUE(seen[0].criticalIcon);
        EXPECT_NE(seen[0].prompt.find("could not be completed"), std::string::npos);
        EXPECT_LT(seen[0].prompt.size(), 400U);
        RECT screen;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
        EXPECT_GE(seen[0].rect.left, screen.left);
        EXPECT_LE(seen[0].rect.right, screen.right);
        EXPECT_LE(seen[0].rect.bottom, screen.bottom);
        EXPECT_EQ(text("lblleft"), "0");
    }
    SetWindowTextW(control("txtbank"), L"100");
    click(box(Box::Left));
    EXPECT_EQ(text("lblleft"), "25");
}

TEST_F(Game, HelpOpensAtItsPlaceAndClosesOnlyOnAClick) {
    const int dpi = dpiOf(window->window());
    const auto seen = whileModal([&] { menu("help"); },
                                 [&](HWND help, const SeenModal&) {
                                     HWND text = GetWindow(help, GW_CHILD);
                                     EXPECT_EQ(windowText(text), d::helpText());
                                     RECT r;
                                     GetWindowRect(help, &r);
                                     EXPECT_EQ(r.left, pixels(3805, dpi));
                                     EXPECT_EQ(r.top, pixels(3000, dpi));
                                     EXPECT_FALSE(IsWindowEnabled(window->window()));
                                     pressKey('A');
                                     pressKey(VK_ESCAPE);
                                     EXPECT_TRUE(IsWindowVisible(help));
                                     click(text);
                                 });
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_TRUE(IsWindowEnabled(window->window()));
    EXPECT_EQ(services.help().window(), nullptr);
}

// Loaded hidden at start; unloaded when closed, loaded again by the next
// showing; closed by any key that types, not by an arrow.
TEST_F(Game, AboutClosesOnOkOrACharacterAndLoadsAgain) {
    EXPECT_TRUE(services.about().loaded());
    EXPECT_EQ(services.about().loads(), 1);
    for (const WORD key : {WORD{'X'}, WORD{VK_RETURN}, WORD{0}}) {
        const auto seen = whileModal([&] { menu("about"); },
                                     [&](HWND about, const SeenModal&) {
                                         HWND version = FindWindowExW(about, nullptr, L"STATIC",
                                                                      L"Version 1.0.18");
                                         EXPECT_NE(version, nullptr);
                                         pressKey(VK_DOWN);
                                         pressKey(VK_F5);
                                         EXPECT_TRUE(IsWindowVisible(about));
                                         if (key != 0) {
                                             pressKey(key);
                                         } else {
                                             click(FindWindowExW(about, nullptr, L"BUTTON", L"OK"));
                                         }
                                     });
        EXPECT_EQ(seen.size(), 1U);
        EXPECT_FALSE(services.about().loaded());
    }
    EXPECT_EQ(services.about().loads(), 3);
}

TEST_F(Game, TheLinksHandTheirAddressesOn) {
    menu("mailme");
    menu("email");
    pump();
    EXPECT_EQ(services.opened, (std::vector<std::string>{d::kMailAddress, d::kWebsite}));
}

// Windows' own Tab chain runs through the designed eight; Enter and
// Escape press nothing.
TEST_F(Game, TabRunsTheDesignedChainAndEnterAndEscapePressNothing) {
    for (const d::Control* c : d::focusChain(false)) {
        EXPECT_EQ(GetFocus(), control(c->name)) << c->name;
        pressKey(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), control("cmdspin"));
    pressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), control(d::focusChain(false).back()->name));
    SetFocus(control("cmdspin"));
    const auto seen = closingEach([&] {
        pressKey(VK_RETURN);
        pressKey(VK_ESCAPE);
    });
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(historyCount(), 0);
    pressKey(VK_SPACE);  // a focused button's own key presses it
    EXPECT_EQ(historyCount(), 1);
}

// Every control at its designed rectangle (twips / 15 at 96 DPI, scaled
// at others), within a pixel; an auto-size label from its designed corner.
TEST_F(Game, EveryControlWhereTheDesignPutsIt) {
    const int dpi = dpiOf(window->window());
    if (const char* expected = std::getenv("TORVANE_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "the screen's DPI";
    }
    RECT client;
    GetClientRect(window->window(), &client);
    EXPECT_NEAR(client.right, pixels(5550, dpi), 1);
    EXPECT_NEAR(client.bottom, pixels(7020, dpi), 1);
    std::vector<HWND> windows;
    for (const Child& child : window->children().all()) windows.push_back(child.window);
    windows.push_back(window->chart().window());
    for (HWND w : windows) {
        wchar_t name[64];
        const Child* child = window->children().find(w);
        const d::Control& c =
            child != nullptr ? *child->design : d::control(d::mainWindow().chartFrame);
        GetClassNameW(w, name, 64);
        RECT r;
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, window->window(), reinterpret_cast<POINT*>(&r), 2);
        const RECT want = pixelRect(c.rect, dpi);
        EXPECT_NEAR(r.left, want.left, 1) << c.name;
        EXPECT_NEAR(r.top, want.top, 1) << c.name;
        if (!c.autoSize) {
            EXPECT_NEAR(r.right, want.right, 1) << c.name;
            EXPECT_NEAR(r.bottom, want.bottom, 1) << c.name;
        }
    }
}

}  // namespace
}  // namespace torvane::win::testing
