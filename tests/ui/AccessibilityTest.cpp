// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// What assistive technology reads and does, through Qt's accessibility
// interfaces of the real window: the bet boxes' actions, the chart lines'
// readings and the help text. The events that announce changes reach only
// an active accessibility bridge, which the offscreen platform has not; the
// screen-reader test (tests/ui/atspi_test.py) checks them.
#include <QAccessible>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "WindowFixture.h"
#include "ui/Accessibility.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

struct BoxCase {
    const char* box;
    const char* column;
};

class BetBoxActions : public WindowFixture, public ::testing::WithParamInterface<BoxCase> {
  protected:
    QAccessibleActionInterface* actions() {
        return accessible(control(GetParam().box))->actionInterface();
    }
    // Invokes an action as a screen reader does, then lets its posted
    // release come due.
    void invoke(const char* action) {
        actions()->doAction(action);
        QCoreApplication::processEvents();
    }
};

TEST_P(BetBoxActions, AreNamedAndDescribed) {
    const QStringList names = actions()->actionNames();
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(names[0], "Place bet");
    EXPECT_EQ(names[1], "Take back bet");
    EXPECT_TRUE(actions()->localizedActionDescription("Place bet").contains("from the bank"));
    EXPECT_TRUE(actions()->localizedActionDescription("Take back bet").contains("into the bank"));
    EXPECT_EQ(accessible(control(GetParam().box))->text(QAccessible::Name),
              QString(GetParam().column) + " column stake: 0");
}

// The same play by actions and by mouse releases, on two windows: the same
// state, captions and messages, refusals included.
TEST_P(BetBoxActions, DoWhatTheLeftAndRightReleasesDo) {
    RecordingServices mouseServices;
    frmdiduvor mouse(mouseServices);
    mouse.Form_Load();
    mouse.show();
    const auto both = [&](const char* action, Qt::MouseButton button) {
        invoke(action);
        QTest::mouseClick(mouse.findChild<QWidget*>(GetParam().box), button);
    };
    const auto bank = [](QWidget& w, const char* text) {
        w.findChild<QLineEdit*>("txtbank")->setText(text);
    };

    both("Take back bet", Qt::RightButton);  // nothing to take back
    both("Place bet", Qt::LeftButton);
    both("Place bet", Qt::LeftButton);
    both("Take back bet", Qt::RightButton);
    bank(window, "10");
    bank(mouse, "10");
    both("Place bet", Qt::LeftButton);  // more than the bank
    control<QLineEdit>("txtbets")->setText("3000");
    mouse.findChild<QLineEdit*>("txtbets")->setText("3000");
    bank(window, "9000");
    bank(mouse, "9000");
    both("Place bet", Qt::LeftButton);
    both("Place bet", Qt::LeftButton);  // over the 5000 maximum

    EXPECT_EQ(window.table().state(), mouse.table().state());
    for (const char* name : {"lblleft", "lblmiddle", "lblright", "txtbank", "txtbets"}) {
        const auto shown = [name](QWidget& w) {
            if (auto* e = w.findChild<QLineEdit*>(name)) return e->text();
            return w.findChild<QLabel*>(name)->text();
        };
        EXPECT_EQ(shown(window), shown(mouse)) << name;
    }
    ASSERT_EQ(services.messages.size(), 3u);
    ASSERT_EQ(services.messages.size(), mouseServices.messages.size());
    for (std::size_t i = 0; i < services.messages.size(); ++i) {
        EXPECT_EQ(services.messages[i].prompt, mouseServices.messages[i].prompt) << i;
        EXPECT_EQ(services.messages[i].title, mouseServices.messages[i].title) << i;
    }
    EXPECT_EQ(text(GetParam().box), "5000");
}

// The action returns before the handler runs: a screen reader is answered
// at once, also when the handler then waits in a message box.
TEST_P(BetBoxActions, ReturnAtOnceAndRunThePostedHandler) {
    actions()->doAction("Place bet");
    EXPECT_EQ(text(GetParam().box), "0");
    QCoreApplication::processEvents();
    EXPECT_EQ(text(GetParam().box), "25");
}

TEST_P(BetBoxActions, RefuseUnknownActionsWithoutEffect) {
    for (const char* unknown : {"Press", "place bet", "", "SetFocus"}) invoke(unknown);
    EXPECT_EQ(text(GetParam().box), "0");
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_NE(QApplication::focusWidget(), control(GetParam().box));
}

// While a message box is open, actions do nothing, also one posted before
// the box opened that comes due in its event loop.
TEST_P(BetBoxActions, DoNothingWhileAModalWindowIsOpen) {
    services.realMessageBoxes = true;
    control<QLineEdit>("txtbank")->setText("10");
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            actions()->doAction("Take back bet");
            actions()->doAction("Place bet");
            QCoreApplication::processEvents();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(5);
    actions()->doAction("Place bet");  // refused: the bank is 10
    actions()->doAction("Place bet");  // comes due while the refusal is shown
    QTest::qWait(100);
    closer.stop();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text(GetParam().box), "0");
    EXPECT_EQ(text("txtbank"), "10");
}

// The help window is modal too.
TEST_P(BetBoxActions, DoNothingWhileTheHelpWindowIsOpen) {
    whileHelpIsOpen([&](frmhelp* help) {
        invoke("Place bet");
        help->lblhelp_Click();
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(text(GetParam().box), "0");
    EXPECT_EQ(text("txtbank"), "1000");
}

INSTANTIATE_TEST_SUITE_P(Boxes, BetBoxActions,
                         ::testing::Values(BoxCase{"lblleft", "Left"},
                                           BoxCase{"lblmiddle", "Middle"},
                                           BoxCase{"lblright", "Right"}),
                         [](const auto& info) { return std::string(info.param.column); });

// What the four chart lines read after a run of presses.
struct ChartCase {
    const char* name;
    std::function<void(WindowFixture&)> play;
    std::array<const char*, 4> read;  // ln0, lnl, lnm, lnr
};

class ChartReading : public WindowFixture, public ::testing::WithParamInterface<ChartCase> {};

void spins(WindowFixture& f, std::initializer_list<int> numbers) {
    for (int n : numbers) {
        f.drawNext(n);
        f.click("cmdspin");
    }
}

TEST_P(ChartReading, SaysWhatEachLineIsDrawnFrom) {
    const char* lines[] = {"ln0", "lnl", "lnm", "lnr"};
    const char* names[] = {"Zero", "Left column", "Middle column", "Right column"};
    GetParam().play(*this);
    for (std::size_t i = 0; i < 4; ++i) {
        QAccessibleInterface* line = accessible(control(lines[i]));
        EXPECT_EQ(line->text(QAccessible::Description), GetParam().read.at(i)) << lines[i];
        EXPECT_EQ(line->text(QAccessible::Name), names[i]);
    }
    EXPECT_EQ(accessible(control("frmpopular"))->text(QAccessible::Name), "Most Popular Row");
}

const char* const kNone = "No spins counted yet";

INSTANTIATE_TEST_SUITE_P(
    Presses, ChartReading,
    ::testing::Values(ChartCase{"BeforeTheFirstRedraw",
                                [](WindowFixture& f) { spins(f, {5}); },
                                {kNone, kNone, kNone, kNone}},
                      ChartCase{"TwoPresses",
                                [](WindowFixture& f) {
                                    spins(f, {0, 4});
                                },
                                {"1 of 2 presses, 50%", "1 of 2 presses, 50%", "0 of 2 presses, 0%",
                                 "0 of 2 presses, 0%"}},
                      ChartCase{"ThreePresses",
                                [](WindowFixture& f) {
                                    spins(f, {2, 1, 3});
                                },
                                {"0 of 3 presses, 0%", "1 of 3 presses, 33%", "1 of 3 presses, 33%",
                                 "1 of 3 presses, 33%"}},
                      ChartCase{"FiftyPresses",
                                [](WindowFixture& f) {
                                    for (int i = 0; i < 16; ++i) spins(f, {1, 2, 6});
                                    spins(f, {0, 2});
                                },
                                {"1 of 50 presses, 2%", "16 of 50 presses, 32%",
                                 "17 of 50 presses, 34%", "16 of 50 presses, 32%"}},
                      ChartCase{"TheFirstPressOfTheNextWindowKeepsTheReading",
                                [](WindowFixture& f) {
                                    for (int i = 0; i < 25; ++i) spins(f, {0, 3});
                                    spins(f, {1});
                                },
                                {"25 of 50 presses, 50%", "0 of 50 presses, 0%",
                                 "0 of 50 presses, 0%", "25 of 50 presses, 50%"}},
                      ChartCase{"RefusedPresses",
                                [](WindowFixture& f) {
                                    f.control<QLineEdit>("txtbank")->setText("0");
                                    f.click("cmdspin");
                                    f.click("cmdspin");
                                    f.control<QLineEdit>("txtbank")->setText("1000");
                                    spins(f, {3});
                                },
                                {"0 of 3 presses, 0%", "0 of 3 presses, 0%", "0 of 3 presses, 0%",
                                 "1 of 3 presses, 33%"}},
                      ChartCase{"NewGameKeepsTheReadingUntilTheNextRedraw",
                                [](WindowFixture& f) {
                                    spins(f, {0, 4});
                                    f.click("cmdreset");
                                },
                                {"1 of 2 presses, 50%", "1 of 2 presses, 50%", "0 of 2 presses, 0%",
                                 "0 of 2 presses, 0%"}},
                      ChartCase{"AfterNewGameTheCountsStartAgainButNotThePresses",
                                [](WindowFixture& f) {
                                    spins(f, {0, 4});
                                    f.click("cmdreset");
                                    spins(f, {8});
                                },
                                {"0 of 3 presses, 0%", "0 of 3 presses, 0%", "1 of 3 presses, 33%",
                                 "0 of 3 presses, 0%"}}),
    [](const auto& info) { return std::string(info.param.name); });

using HelpPanel = WindowFixture;

// The whole text as shown, line breaks as plain new lines; "How to play"
// and how to close it as the description; the action Close closes it as a
// click does, and nothing else does.
TEST_F(HelpPanel, ReadsInFullAndClosesByItsAction) {
    whileHelpIsOpen([&](frmhelp* help) {
        ASSERT_NE(help, nullptr);
        QAccessibleInterface* panel = accessible(help->findChild<QLabel*>("lblhelp"));
        QString plain = frmhelp::helpText();
        plain.replace("\r\n", "\n");
        EXPECT_EQ(panel->text(QAccessible::Name), plain);
        EXPECT_TRUE(panel->text(QAccessible::Description).startsWith("How to play"));
        QAccessibleActionInterface* actions = panel->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->actionNames().value(0), "Close");
        actions->doAction("Open");
        actions->doAction("Place bet");
        QCoreApplication::processEvents();
        EXPECT_TRUE(help->isVisible());
        actions->doAction("Close");
        EXPECT_TRUE(help->isVisible());  // posted: the call returns first
        QCoreApplication::processEvents();
        if (help->isVisible()) {
            ADD_FAILURE() << "still open";
            help->lblhelp_Click();
        }
    });
    EXPECT_EQ(services.helpWindow(), nullptr);
}

TEST(ChartLineDescription, SaysPressesAndTheRoundedShare) {
    EXPECT_EQ(chartLineDescription(std::nullopt), "No spins counted yet");
    EXPECT_EQ(chartLineDescription(BarShare{2, 3}), "2 of 3 presses, 67%");
    EXPECT_EQ(chartLineDescription(BarShare{1, 8}), "1 of 8 presses, 13%");
    EXPECT_EQ(chartLineDescription(BarShare{50, 53}), "50 of 53 presses, 94%");
}

}  // namespace
}  // namespace torvane::ui::testing
