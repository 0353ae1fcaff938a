// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// A monkey at the real window: thousands of random events from a fixed seed
// (clicks on every button, releases of every mouse button on the bet boxes,
// text typed or pasted into both fields, menu items), with the real message
// boxes, the help and the About window closed as they appear. After every
// bet, bank + stakes may only have moved as the rules allow, and no modal
// window may be left open. After every event the table's own checks
// (tests/support/Invariants.h) must hold of what the window shows and of
// the messages it showed. Replay a failure with TORVANE_MONKEY_SEED=<seed>.
#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <random>

#include "WindowFixture.h"
#include "support/Invariants.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

using torvane::testing::Action;
using torvane::testing::EventCheck;
using torvane::testing::kMonkeyButtons;
using torvane::testing::kMonkeyMenuItems;
using torvane::testing::MonkeyMove;
using torvane::testing::monkeyMove;
using torvane::testing::Shown;

constexpr int kEvents = 3000;

unsigned seedFromEnvironment() {
    const QByteArray seed = qgetenv("TORVANE_MONKEY_SEED");
    return seed.isEmpty() ? 20261208u : seed.toUInt();
}

struct Monkey : WindowFixture {
    std::mt19937 random{seedFromEnvironment()};
    int failureMessages = 0;  // "... could not be completed: ..." boxes seen
    int modalsClosed = 0;
    std::vector<Message> shown;  // the message boxes of the current event
    std::string stuck;           // a modal window the closer found no way out of

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // Closes whatever modal window is open, the way a player would.
    void closeModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->text().contains(" could not be completed: ")) ++failureMessages;
            shown.push_back({box->text().toStdString(),
                             box->icon() == QMessageBox::Critical ? MessageStyle::Critical
                                                                  : MessageStyle::Plain,
                             box->windowTitle().toStdString()});
            if (box->buttons().size() != 1) {
                stuck = "a message box without exactly one button";
                return;
            }
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        } else if (auto* help = qobject_cast<frmhelp*>(modal)) {
            QTest::mouseClick(help->findChild<QLabel*>("lblhelp"), Qt::LeftButton);
        } else if (auto* about = qobject_cast<frmabout*>(modal)) {
            if (pick(2) == 0) {
                QTest::mouseClick(about->findChild<QWidget*>("cmdok"), Qt::LeftButton);
            } else {
                QTest::keyClick(about->focusWidget(), static_cast<char>('a' + pick(26)));
            }
        } else {
            stuck = std::string("an unknown modal window ") + modal->metaObject()->className();
            return;
        }
        ++modalsClosed;
    }

    // Typed texts are printable ASCII (what QTest can type); pasted texts
    // may hold anything, control characters and other scripts included.
    QString randomText(bool typed) {
        static const QString pieces[] = {"0",  "5",   "25",  "1000",   "-",      "+",     ".",
                                         " ",  "abc", "1e3", ",",      "&H",     "32767", "32768",
                                         "\t", "Ω",   "١٢",  QChar(0), QChar(7), "\n",    "99999"};
        constexpr int kTypeable = 12;  // the pieces before "32767" are plain ASCII
        QString text;
        for (int n = pick(4); n >= 0; --n) {
            text += pieces[pick(typed ? kTypeable : static_cast<int>(std::size(pieces)))];
        }
        return text;
    }

    void typeInto(const char* field) {
        auto* edit = control<QLineEdit>(field);
        if (pick(2) == 0) {
            edit->clear();
            QTest::keyClicks(edit, randomText(true));  // typed: txtbets keeps four characters
        } else {
            edit->setText(randomText(false));  // pasted
        }
    }

    // What the window shows, as the table's soundness looks at it.
    Shown shownByWindow() const {
        Shown shown;
        for (const Box box : {Box::Left, Box::Middle, Box::Right}) {
            static const char* names[] = {"lblleft", "lblmiddle", "lblright"};
            shown.stakes[box] = text(names[static_cast<int>(box)]).toStdString();
        }
        shown.historyLines = static_cast<std::size_t>(control<QListWidget>("lsthistory")->count());
        for (int n = 0; n < kNumberCount; ++n) {
            if (cellColour(n) == qColor(kCellBrightGreen)) ++shown.litCells;
        }
        for (const char* line : {"ln0", "lnl", "lnm", "lnr"}) {
            shown.barTops.push_back(control<ChartLine>(line)->y2());
        }
        return shown;
    }

    EventCheck bet() {
        const Box box = static_cast<Box>(pick(3));
        static const char* names[] = {"lblleft", "lblmiddle", "lblright"};
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton};
        static const Amount codes[] = {kLeftButton, kRightButton, kMiddleButton};
        static const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                     Qt::ControlModifier, Qt::AltModifier};
        const int button = pick(3);
        EventCheck check(box, codes[button], text("txtbank").toStdString(), window.table().state());
        click(names[static_cast<int>(box)], buttons[button], mods[pick(4)]);
        return check;
    }

    EventCheck press(const char* button, Action action) {
        EventCheck check(action, window.table().state());
        click(button);
        return check;
    }

    EventCheck oneEvent() {
        const TableState& state = window.table().state();
        switch (monkeyMove(pick(10))) {
            case MonkeyMove::Bet:
                return bet();
            case MonkeyMove::Button: {
                services.second = pick(60);
                services.random = static_cast<float>(pick(1 << 24)) / 16777216.0f;
                const auto& b = kMonkeyButtons[pick(static_cast<int>(kMonkeyButtons.size()))];
                return press(b.name, b.action);
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
                action(item.name)->trigger();
                return check;
            }
            default:  // MonkeyMove::Spin
                return press("cmdspin", Action::Spin);
        }
    }
};

TEST_F(Monkey, ThousandsOfRandomEventsNeverBreakTheTable) {
    const unsigned seed = seedFromEnvironment();
    SCOPED_TRACE("replay with TORVANE_MONKEY_SEED=" + std::to_string(seed));
    services.realMessageBoxes = true;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] { closeModal(); });
    closer.start(0);

    for (int event = 0; event < kEvents; ++event) {
        SCOPED_TRACE("event " + std::to_string(event));
        shown.clear();
        const EventCheck check = oneEvent();
        ASSERT_TRUE(stuck.empty()) << stuck;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window stayed open";
        ASSERT_EQ(check.violation(window.table().state(), shown, std::nullopt), "");
        ASSERT_EQ(soundnessViolation(shownByWindow(), window.table().state()), "");
    }
    closer.stop();
    EXPECT_GT(modalsClosed, 100);   // the monkey met the message boxes and windows
    EXPECT_GT(failureMessages, 0);  // and the failure messages of unreadable texts
}

}  // namespace
}  // namespace torvane::ui::testing
