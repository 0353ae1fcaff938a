// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The Windows game in the player's language: --language picks the
// catalogue before the window is built, an unknown one gives the designed
// English, and every text fits its control in every language with a tenth
// of its width to spare (wine's fonts are not Windows').
#include <algorithm>
#include <cstdlib>

#include "GameFixture.h"
#include "design/HelpWindow.h"
#include "game/Texts.h"
#include "lang/Language.h"
#include "windows/CommandLine.h"

namespace torvane::win::testing {
namespace {

// A game whose language is chosen as the exe chooses it, from its command
// line (`arguments`), before the window is built.
struct GameIn : Game {
    virtual std::vector<std::wstring> arguments() const = 0;
    void SetUp() override {
        useLanguageFor(parseWindowsCommand(arguments()));
        Game::SetUp();
    }
    void TearDown() override {
        Game::TearDown();
        lang::use("en");
    }
    std::string menuTitle(int index) const {
        wchar_t title[64] = {};
        GetMenuStringW(GetMenu(window->window()), static_cast<UINT>(index), title, 64,
                       MF_BYPOSITION);
        return utf8(title);
    }
    // The help text as the help window shows it.
    std::string shownHelp() {
        std::string shown;
        whileModal([&] { menu("help"); },
                   [&](HWND help, const SeenModal&) {
                       shown = windowText(GetWindow(help, GW_CHILD));
                       click(GetWindow(help, GW_CHILD));
                   });
        return shown;
    }
};

// A game started without --language, as a player starts it: the language
// comes from the user's display languages, which wine takes from LANG.
// Run with LANG=de_DE.UTF-8 and TORVANE_EXPECT_LANGUAGE=de by CTest
// (PlayersGame.TakesTheUsersDisplayLanguage.German).
struct PlayersGame : GameIn {
    std::vector<std::wstring> arguments() const override { return {}; }
};

TEST_F(PlayersGame, TakesTheUsersDisplayLanguage) {
    const char* expected = std::getenv("TORVANE_EXPECT_LANGUAGE");
    if (expected == nullptr) GTEST_SKIP() << "run with TORVANE_EXPECT_LANGUAGE and LANG";
    EXPECT_EQ(lang::current(), expected);
    EXPECT_EQ(text("Label4"), d::control("Label4").text);
    EXPECT_STRNE(d::control("Label4").text, "WINNINGS");
}

struct GermanGame : GameIn {
    std::vector<std::wstring> arguments() const override { return {L"--language", L"de"}; }
};
struct UnknownLanguageGame : GameIn {
    std::vector<std::wstring> arguments() const override { return {L"--language", L"xx"}; }
};

TEST_F(GermanGame, SpeaksGermanInTheWindowMenusMessagesAndHelp) {
    EXPECT_EQ(lang::current(), "de");
    EXPECT_EQ(menuTitle(0), "Datei");
    EXPECT_EQ(text("Label4"), "GEWINN");
    EXPECT_EQ(windowText(window->window()), Table::windowTitle());
    const auto seen = closingEach([&] { click(control("cmdtransfer")); });
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].title, "Übertragung nicht möglich");
    EXPECT_EQ(seen[0].prompt, lang::text(texts::kNoWinningsPrompt));
    EXPECT_EQ(shownHelp().rfind("               SO SPIELT MAN TORVANE.\r\n", 0), 0U);
}

TEST_F(UnknownLanguageGame, GivesTheDesignedEnglish) {
    EXPECT_EQ(lang::current(), "en");
    EXPECT_EQ(menuTitle(0), "File");
    EXPECT_EQ(text("Label4"), "WINNINGS");
    const auto seen = closingEach([&] { click(control("cmdtransfer")); });
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].title, "Tranfer Violation");
    EXPECT_EQ(shownHelp(), d::helpText());
}

// Each language's window: every caption fits nine tenths of its control
// (wine's fonts being narrower or wider than Windows'), or, where the
// designed English itself needs more in wine's fonts, no more room than the
// English; and an auto-size label stays inside the window.
struct TextFitIn : GameIn, ::testing::WithParamInterface<std::string> {
    std::vector<std::wstring> arguments() const override {
        return {L"--language", wide(GetParam())};
    }
};

// The room `caption` needs in `control`'s font, wrapped at `width` or on one line.
SIZE needed(HWND control, const std::string& caption, int width, bool wraps) {
    HDC dc = GetDC(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, wide(caption).c_str(), -1, &r,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

TEST_P(TextFitIn, EveryCaptionFitsWithATenthToSpare) {
    RECT client;
    GetClientRect(window->window(), &client);
    int checked = 0;
    for (const Child& child : window->children().all()) {
        const d::Control& c = *child.design;
        const std::string caption = windowText(child.window);
        if (caption.empty() || c.kind == d::Kind::TextBox || c.kind == d::Kind::ListBox) continue;
        RECT box;
        GetWindowRect(child.window, &box);
        MapWindowPoints(nullptr, window->window(), reinterpret_cast<POINT*>(&box), 2);
        const std::string where = GetParam() + ": " + c.name + " \"" + caption + "\"";
        if (c.autoSize) {
            EXPECT_LE(box.right, client.right) << where;
            continue;
        }
        const bool wraps = c.wrap || c.kind == d::Kind::Button;
        const int room = (box.right - box.left) * 9 / 10;
        lang::use("en");
        const std::string english = d::control(c.name).text;
        lang::use(GetParam());
        const SIZE need = needed(child.window, caption, room, wraps);
        const SIZE englishNeeds = needed(child.window, english, room, wraps);
        EXPECT_LE(need.cx, std::max<LONG>(room, englishNeeds.cx)) << where;
        EXPECT_LE(need.cy, std::max<LONG>(box.bottom - box.top, englishNeeds.cy)) << where;
        ++checked;
    }
    EXPECT_GE(checked, 40);  // the cells, the bet boxes, the labels and the buttons
}

INSTANTIATE_TEST_SUITE_P(, TextFitIn, ::testing::ValuesIn(lang::available()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace torvane::win::testing
