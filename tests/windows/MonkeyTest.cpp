// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// A monkey at the real Win32 window: a thousand random events from a fixed
// seed (real clicks with every mouse button on the bet boxes and on every
// button, text typed or pasted into both fields, menu items), every message
// box, help and About closed as a player would close it. After every event
// the table's own checks (tests/support/Invariants.h) must hold of what the
// window shows and of the messages it showed, no modal window may be left
// open and the main window must take input again. Replay a failure with
// TORVANE_MONKEY_SEED=<seed>; TORVANE_MONKEY_EVENTS=<n> runs longer.
#include <cstdlib>
#include <mutex>
#include <random>

#include "GameFixture.h"
#include "support/Invariants.h"
#include "windows/Modal.h"

namespace torvane::win::testing {
namespace {

using torvane::testing::Action;
using torvane::testing::EventCheck;
using torvane::testing::kMonkeyButtons;
using torvane::testing::kMonkeyMenuItems;
using torvane::testing::MonkeyMove;
using torvane::testing::monkeyMove;
using torvane::testing::Shown;

unsigned fromEnvironment(const char* name, unsigned otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0'
               ? static_cast<unsigned>(std::strtoul(value, nullptr, 10))
               : otherwise;
}

struct Monkey : Game {
    std::mt19937 random{fromEnvironment("TORVANE_MONKEY_SEED", 20261209u)};
    std::mutex lock;             // the watcher thread records, the test reads
    std::vector<Message> shown;  // the message boxes of the current event
    int modalsClosed = 0;
    int failureMessages = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // Closes a modal window as a player would; About by OK or by a key.
    // Runs on the watcher's thread, so it draws from a generator of its own.
    std::mt19937 closerRandom{7};
    void close(HWND modal, const SeenModal& seen) {
        {
            const std::lock_guard<std::mutex> hold(lock);
            if (seen.className == "#32770") {
                shown.push_back({seen.prompt,
                                 seen.criticalIcon ? MessageStyle::Critical : MessageStyle::Plain,
                                 seen.title});
                if (seen.prompt.find(" could not be completed: ") != std::string::npos) {
                    ++failureMessages;
                }
            }
            ++modalsClosed;
        }
        if (seen.className == "TorvaneAbout" && closerRandom() % 2 == 0) {
            typeText(std::wstring(1, static_cast<wchar_t>(L'a' + closerRandom() % 26)));
        } else {
            closeLikeAPlayer(modal, seen);
        }
    }

    // Pieces of typed text are what a keyboard gives; pasted ones may hold
    // anything, control characters and other scripts included.
    std::wstring randomText(bool typed) {
        static const wchar_t* pieces[] = {L"0",     L"5",          L"25",    L"1000",  L"-",
                                          L"+",     L".",          L" ",     L"abc",   L"1e3",
                                          L",",     L"&H",         L"32767", L"32768", L"\t",
                                          L"\x3a9", L"\x661\x662", L"\x7",   L"\r\n",  L"99999"};
        constexpr int kTypeable = 12;  // the pieces before "32767" are plain ASCII
        std::wstring text;
        for (int n = pick(4); n >= 0; --n) {
            text += pieces[pick(typed ? kTypeable : static_cast<int>(std::size(pieces)))];
        }
        return text;
    }

    void typeInto(const char* field) {
        HWND edit = control(field);
        if (pick(2) == 0) {
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            pressKey(VK_DELETE);
            typeText(randomText(true));  // typed: txtbets keeps four characters
        } else {
            SetWindowTextW(edit, randomText(false).c_str());  // pasted
        }
    }

    // What the window shows, as the table's soundness looks at it: the
    // lit cells by their pixels on the screen.
    Shown shownByWindow() const {
        Shown on;
        for (const Box b : {Box::Left, Box::Middle, Box::Right})
            on.stakes[b] = text(d::betBox(b).name);
        on.historyLines = static_cast<std::size_t>(historyCount());
        RECT r;
        GetWindowRect(window->window(), &r);
        HDC screen = GetDC(nullptr);
        HDC copy = CreateCompatibleDC(screen);
        HBITMAP picture = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
        HGDIOBJ old = SelectObject(copy, picture);
        BitBlt(copy, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
        for (int n = 0; n < kNumberCount; ++n) {
            RECT cell;
            GetWindowRect(control(d::numberCell(n).name), &cell);
            if (GetPixel(copy, (cell.left + cell.right) / 2 - r.left, cell.bottom - 3 - r.top) ==
                RGB(0, 255, 0)) {
                ++on.litCells;
            }
        }
        SelectObject(copy, old);
        DeleteObject(picture);
        DeleteDC(copy);
        ReleaseDC(nullptr, screen);
        for (const Bar bar : {Bar::Zero, Bar::Left, Bar::Middle, Bar::Right}) {
            on.barTops.push_back(window->chart().barTop(bar));
        }
        return on;
    }

    // One random event, returning its checks made just before it.
    EventCheck oneEvent() {
        const TableState& state = window->table().state();
        switch (monkeyMove(pick(10))) {
            case MonkeyMove::Bet: {
                const Box b = static_cast<Box>(pick(3));
                static const Amount codes[] = {kLeftButton, kRightButton, kMiddleButton};
                const Amount button = codes[pick(3)];
                EventCheck check(b, button, text("txtbank"), state);
                click(box(b), static_cast<int>(button));
                return check;
            }
            case MonkeyMove::Button: {
                // A second of the clock, and the generator's values for it:
                // one per second, the last deciding.
                services.script.second = pick(60);
                services.script.randoms.clear();
                for (int i = 0; i < services.script.second; ++i) {
                    services.script.randoms.push_back(static_cast<float>(pick(1 << 24)) /
                                                      16777216.0F);
                }
                const auto& b = kMonkeyButtons[pick(static_cast<int>(kMonkeyButtons.size()))];
                EventCheck check(b.action, state);
                click(control(b.name));
                return check;
            }
            case MonkeyMove::Typing: {
                EventCheck check(Action::Typing, state);
                typeInto(pick(2) == 0 ? "txtbank" : "txtbets");
                return check;
            }
            case MonkeyMove::MenuItem: {
                const auto& item =
                    kMonkeyMenuItems[pick(static_cast<int>(kMonkeyMenuItems.size()))];
                EventCheck check(item.action, state);
                menu(item.name);
                pump();
                return check;
            }
            default: {  // MonkeyMove::Spin
                EventCheck check(Action::Spin, state);
                click(control("cmdspin"));
                return check;
            }
        }
    }
};

TEST_F(Monkey, AThousandRandomEventsNeverBreakTheTable) {
    const unsigned seed = fromEnvironment("TORVANE_MONKEY_SEED", 20261209u);
    const int events = static_cast<int>(fromEnvironment("TORVANE_MONKEY_EVENTS", 1000));
    SCOPED_TRACE("replay with TORVANE_MONKEY_SEED=" + std::to_string(seed));
    whileModal(
        [&] {
            for (int event = 0; event < events; ++event) {
                SCOPED_TRACE("event " + std::to_string(event));
                const EventCheck check = oneEvent();
                std::vector<Message> messages;
                {
                    const std::lock_guard<std::mutex> hold(lock);
                    messages.swap(shown);
                }
                ASSERT_EQ(modalDepth(), 0) << "a modal window stayed open";
                ASSERT_NE(IsWindowEnabled(window->window()), FALSE) << "the window takes no input";
                ASSERT_EQ(check.violation(window->table().state(), messages, std::nullopt), "");
                ASSERT_EQ(soundnessViolation(shownByWindow(), window->table().state()), "");
            }
        },
        [this](HWND modal, const SeenModal& seen) { close(modal, seen); });
    EXPECT_GT(modalsClosed, 30);    // the monkey met the message boxes and windows
    EXPECT_GT(failureMessages, 0);  // and the failure messages of unreadable texts
}

}  // namespace
}  // namespace torvane::win::testing
