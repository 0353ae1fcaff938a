// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// A monkey at the real window: thousands of random events from a fixed seed
// (clicks on every button, releases of every mouse button on the bet boxes,
// text typed or pasted into both fields, menu items), with the real message
// boxes, the help and the About window closed as they appear. After every
// bet, bank + stakes may only have moved as the rules allow, and no modal
// window may be left open. Replay a failure with TORVANE_MONKEY_SEED=<seed>.
#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <random>

#include "WindowFixture.h"
#include "support/Invariants.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

using torvane::testing::bankAsBoxReads;
using torvane::testing::stakesTotal;

constexpr int kEvents = 3000;

unsigned seedFromEnvironment() {
    const QByteArray seed = qgetenv("TORVANE_MONKEY_SEED");
    return seed.isEmpty() ? 20261208u : seed.toUInt();
}

struct Monkey : WindowFixture {
    std::mt19937 random{seedFromEnvironment()};
    int failureMessages = 0;  // "... could not be completed: ..." boxes seen
    int modalsClosed = 0;
    std::string stuck;  // a modal window the closer found no way out of

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // Closes whatever modal window is open, the way a player would.
    void closeModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->text().contains(" could not be completed: ")) ++failureMessages;
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

    void bet() {
        const Box box = static_cast<Box>(pick(3));
        static const char* names[] = {"lblleft", "lblmiddle", "lblright"};
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton};
        static const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                     Qt::ControlModifier, Qt::AltModifier};
        const TableState before = window.table().state();
        const auto bank = bankAsBoxReads(box, text("txtbank").toStdString());
        const int failuresBefore = failureMessages;
        click(names[static_cast<int>(box)], buttons[pick(3)], mods[pick(4)]);
        const TableState& after = window.table().state();
        const bool failed = failureMessages > failuresBefore;
        if (!failed) {
            ASSERT_TRUE(bank.has_value()) << "a bet completed on an unreadable bank";
            ASSERT_EQ(after.bank + stakesTotal(after), *bank + stakesTotal(before))
                << "a bet made or lost money";
        } else {
            ASSERT_EQ(stakesTotal(after), stakesTotal(before)) << "a failed bet moved a stake";
        }
        ASSERT_EQ(text("lblleft").toStdString(), writeNumber(after.betLeft));
        ASSERT_EQ(text("lblmiddle").toStdString(), writeNumber(after.betMiddle));
        ASSERT_EQ(text("lblright").toStdString(), writeNumber(after.betRight));
    }

    void oneEvent() {
        static const char* buttons[] = {"cmdspin", "cmdreset", "cmdtransfer", "cmddblup",
                                        "cmddbldown"};
        static const char* items[] = {"newgame", "help", "about", "mailme", "email"};
        switch (pick(10)) {
            case 0:
            case 1:
            case 2:
                bet();
                break;
            case 3:
            case 4:
                services.second = pick(60);
                services.random = static_cast<float>(pick(1 << 24)) / 16777216.0f;
                click(buttons[pick(std::size(buttons))]);
                break;
            case 5:
                typeInto("txtbank");
                break;
            case 6:
                typeInto("txtbets");
                break;
            case 7:
                action(items[pick(std::size(items))])->trigger();
                break;
            default:
                click("cmdspin");
                break;
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
        oneEvent();
        if (HasFatalFailure()) break;
        ASSERT_TRUE(stuck.empty()) << stuck;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window stayed open";
    }
    closer.stop();
    EXPECT_GT(modalsClosed, 100);   // the monkey met the message boxes and windows
    EXPECT_GT(failureMessages, 0);  // and the failure messages of unreadable texts
}

}  // namespace
}  // namespace torvane::ui::testing
