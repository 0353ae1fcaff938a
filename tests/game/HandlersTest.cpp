// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window's shared handlers: every event the design names reaches
// one, and each does what its control or menu item stands for, the same
// for every front end.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "design/MainWindow.h"
#include "design/MainWindowHandlers.h"
#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

// Writes down what the handlers ask of the front end, in order.
struct RecordingActions : design::WindowActions {
    std::vector<std::string> done;
    void showHelpWindow() override { done.emplace_back("help"); }
    void showAboutWindow() override { done.emplace_back("about"); }
    void openAddress(const char* address) override { done.emplace_back(address); }
    void unloadMainWindow() override { done.emplace_back("unload main"); }
    void unloadOtherWindows() override { done.emplace_back("unload others"); }
    void afterSpin() override { done.emplace_back("after spin"); }
};

struct Wired {
    TableFixture t;
    RecordingActions actions;
    design::MainWindowHandlers handlers{t.table, actions};
};

std::set<std::string> designedHandlers() {
    std::set<std::string> names;
    for (const design::Control& c : design::mainWindow().controls) {
        if (!design::handlerName(c).empty()) names.insert(design::handlerName(c));
    }
    for (const design::Menu& menu : design::mainWindow().menus) {
        for (const design::MenuItem& item : menu.items) {
            if (!item.separator()) names.insert(design::handlerName(item));
        }
    }
    return names;
}

// The sixteen handlers are the designed events plus the window's own two,
// so no front end has an event left to wire by hand, nor a handler that no
// event reaches.
TEST(MainWindowHandlers, AreTheDesignedEventsAndTheWindowsOwn) {
    std::set<std::string> expected = designedHandlers();
    expected.insert({"Form_Load", "Form_Unload"});
    const auto names = design::MainWindowHandlers::names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(names.size(), 16U);
}

TEST(MainWindowHandlers, AnUnknownNameDoesNothing) {
    Wired w;
    EXPECT_FALSE(w.handlers.fire("cmdspin_MouseUp"));
    EXPECT_FALSE(w.handlers.fire(""));
    EXPECT_TRUE(w.actions.done.empty());
    EXPECT_EQ(w.t.view.history.size(), 0U);
}

struct ActionCase {
    const char* handler;
    std::vector<std::string> done;
};

class EachWindowAction : public ::testing::TestWithParam<ActionCase> {};

TEST_P(EachWindowAction, AsksTheFrontEndAndLeavesTheTable) {
    Wired w;
    const TableState before = w.t.state();
    ASSERT_TRUE(w.handlers.fire(GetParam().handler));
    EXPECT_EQ(w.actions.done, GetParam().done);
    EXPECT_EQ(w.t.view.bank, "1000");
    EXPECT_EQ(w.t.state().spinNumber, before.spinNumber);
}

INSTANTIATE_TEST_SUITE_P(MainWindowHandlers, EachWindowAction,
                         ::testing::Values(ActionCase{"help_Click", {"help"}},
                                           ActionCase{"about_Click", {"about"}},
                                           ActionCase{"mailme_Click", {design::kMailAddress}},
                                           ActionCase{"email_Click", {design::kWebsite}},
                                           ActionCase{"exit_Click", {"unload main"}},
                                           ActionCase{"Form_Unload", {"unload others"}}),
                         [](const auto& info) { return std::string(info.param.handler); });

// Each bet box's MouseUp stakes on its own column with the button it
// carries: a left release places, a right one takes back.
TEST(MainWindowHandlers, EachBetBoxStakesOnItsColumn) {
    for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
        Wired w;
        const std::string handler = design::handlerName(design::betBox(box));
        ASSERT_TRUE(w.handlers.fire(handler, {1, 0, 5, 5}));
        ASSERT_TRUE(w.handlers.fire(handler, {4, 1, 5, 5}));
        EXPECT_EQ(w.t.view.stakes[box], "50") << handler;
        ASSERT_TRUE(w.handlers.fire(handler, {2, 0, 5, 5}));
        EXPECT_EQ(w.t.view.stakes[box], "25") << handler;
        EXPECT_EQ(w.t.view.bank, "975") << handler;
        for (const Box other : {Box::Left, Box::Middle, Box::Right}) {
            if (other != box) {
                EXPECT_EQ(w.t.view.stakes[other], "0") << handler;
            }
        }
    }
}

// SPIN settles, and only then does the front end hear of it.
TEST(MainWindowHandlers, SpinSettlesThenTellsTheFrontEnd) {
    Wired w;
    w.handlers.lblleft_MouseUp({1});
    w.t.services.drawNext(7);
    ASSERT_TRUE(w.handlers.fire("cmdspin_Click"));
    EXPECT_EQ(w.actions.done, std::vector<std::string>{"after spin"});
    EXPECT_EQ(w.t.view.win, "R75");
    EXPECT_EQ(w.t.view.history.size(), 1U);
}

TEST(MainWindowHandlers, ButtonsAndNewGameReachTheirRules) {
    Wired w;
    ASSERT_TRUE(w.handlers.fire("cmddblup_Click"));
    EXPECT_EQ(w.t.view.bets, "50");
    ASSERT_TRUE(w.handlers.fire("cmddbldown_Click"));
    EXPECT_EQ(w.t.view.bets, "25");
    w.handlers.lblmiddle_MouseUp({1});
    w.t.services.drawNext(2);
    w.handlers.cmdspin_Click();
    ASSERT_TRUE(w.handlers.fire("cmdtransfer_Click"));
    EXPECT_EQ(w.t.view.bank, "1050");
    ASSERT_TRUE(w.handlers.fire("newgame_Click"));
    EXPECT_EQ(w.t.view.bank, "1000");
    w.t.view.bank = "10";
    ASSERT_TRUE(w.handlers.fire("cmdreset_Click"));
    EXPECT_EQ(w.t.view.bank, "1000");
    EXPECT_TRUE(std::none_of(w.actions.done.begin(), w.actions.done.end(),
                             [](const std::string& a) { return a != "after spin"; }));
}

}  // namespace
}  // namespace torvane::testing
