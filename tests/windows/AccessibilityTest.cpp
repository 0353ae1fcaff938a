// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The game as a screen reader sees it on Windows: the names, descriptions
// and values read back through Active Accessibility (AccessibleObjectFromWindow,
// as a screen reader asks), before and after a bet and spins, and the
// change events the game raises on the way (a WinEvent hook).
#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "GameFixture.h"
#include "windows/Text.h"

namespace torvane::win::testing {
namespace {

using Event = std::tuple<DWORD, HWND, LONG>;  // the event, its window, its child
std::vector<Event> events;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    if (object == OBJID_CLIENT) events.emplace_back(event, window, child);
}

struct ReadGame : Game {
    HWINEVENTHOOK hook = nullptr;

    void SetUp() override {
        OleInitialize(nullptr);
        Game::SetUp();
        events.clear();
        hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                               &recordEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    void TearDown() override {
        UnhookWinEvent(hook);
        Game::TearDown();
        OleUninitialize();
    }

    // What a screen reader reads of a control: a text of its own, or of
    // its simple child.
    using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    static std::string read(HWND window, Getter get, long child = CHILDID_SELF) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            return "(no object)";
        }
        VARIANT which{};
        which.vt = VT_I4;
        which.lVal = child;
        BSTR text = nullptr;
        (object->*get)(which, &text);
        object->Release();
        const std::string result = text != nullptr ? utf8(text) : "(none)";
        SysFreeString(text);
        return result;
    }
    static long childCount(HWND window) {
        IAccessible* object = nullptr;
        long count = -1;
        if (SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&object)))) {
            object->get_accChildCount(&count);
            object->Release();
        }
        return count;
    }
    bool told(DWORD event, HWND window, LONG child = CHILDID_SELF) const {
        pump();
        return std::find(events.begin(), events.end(), Event{event, window, child}) != events.end();
    }
};

TEST_F(ReadGame, BoxesCellsAndChartLinesReadAsOnTheLinuxDesktop) {
    HWND left = box(Box::Left);
    EXPECT_EQ(read(left, &IAccessible::get_accName), "Left column stake: 0");
    click(left);
    EXPECT_EQ(read(left, &IAccessible::get_accName), "Left column stake: 25");
    EXPECT_EQ(read(left, &IAccessible::get_accValue), "25");

    HWND chart = window->chart().window();
    ASSERT_EQ(childCount(chart), 4);
    const char* names[] = {"Left column", "Middle column", "Right column", "Zero"};
    for (long child = 1; child <= 4; ++child) {
        EXPECT_EQ(read(chart, &IAccessible::get_accName, child), names[child - 1]);
        EXPECT_EQ(read(chart, &IAccessible::get_accDescription, child), "No spins counted yet");
    }

    services.script.drawAt(5, 17);
    click(control("cmdspin"));
    services.script.drawAt(9, 16);
    click(control("cmdspin"));
    EXPECT_EQ(read(control("lbl0_16"), &IAccessible::get_accDescription),
              "Number 16, drawn by the last spin. Clicking it does nothing.");
    EXPECT_EQ(read(control("lbl0_17"), &IAccessible::get_accDescription),
              "Number 17 on the table. Clicking it does nothing.");
    // 17 is in the middle column and 16 in the left one, the press that drew
    // 17 the first of the window of presses.
    EXPECT_EQ(read(chart, &IAccessible::get_accDescription, 1), "1 of 2 presses, 50%");
    EXPECT_EQ(read(chart, &IAccessible::get_accValue, 2), "1 of 2 presses, 50%");
    EXPECT_EQ(read(chart, &IAccessible::get_accDescription, 4), "0 of 2 presses, 0%");
    // The other texts stay the standard ones: a cell's name is its number.
    EXPECT_EQ(read(control("lbl0_16"), &IAccessible::get_accName), "16");
}

TEST_F(ReadGame, EachChangeIsToldToTheScreenReader) {
    HWND middle = box(Box::Middle);
    click(middle);
    EXPECT_TRUE(told(EVENT_OBJECT_NAMECHANGE, middle));
    EXPECT_TRUE(told(EVENT_OBJECT_VALUECHANGE, middle));
    EXPECT_FALSE(told(EVENT_OBJECT_NAMECHANGE, box(Box::Right)));

    services.script.drawAt(5, 17);
    click(control("cmdspin"));
    services.script.drawAt(9, 16);
    click(control("cmdspin"));
    EXPECT_TRUE(told(EVENT_OBJECT_DESCRIPTIONCHANGE, control("lbl0_16")));
    EXPECT_TRUE(told(EVENT_OBJECT_DESCRIPTIONCHANGE, control("lbl0_17")));
    EXPECT_FALSE(told(EVENT_OBJECT_DESCRIPTIONCHANGE, control("lbl0_5")));
    for (long child = 1; child <= 4; ++child) {
        EXPECT_TRUE(told(EVENT_OBJECT_DESCRIPTIONCHANGE, window->chart().window(), child)) << child;
    }
}

}  // namespace
}  // namespace torvane::win::testing
