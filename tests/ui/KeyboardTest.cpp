// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Keyboard mode: the focus chain, the keys on a focused bet box, the help
// window's keys and the way to the menus; and that outside it nothing new
// happens.
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <functional>

#include "WindowFixture.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString("(none)") : focus->objectName();
}

// A key event as the keyboard sends it, auto-repeated or not.
void sendKey(QWidget* to, Qt::Key key, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, mods, QString(), autoRepeat);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, QString(), autoRepeat);
    QApplication::sendEvent(to, &release);
}

struct Chain {
    const char* name;
    bool keyboard;
    std::vector<const char*> forward;  // from cmdspin, one Tab at a time, back to cmdspin
};

class FocusChain : public WindowFixture, public ::testing::WithParamInterface<Chain> {};

TEST_P(FocusChain, TabRunsForwardAndShiftTabBackFromSpin) {
    window.setKeyboardMode(GetParam().keyboard);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(focusName(), "cmdspin");
    for (const char* next : GetParam().forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), next);
    }
    std::vector<const char*> backward(GetParam().forward.rbegin() + 1, GetParam().forward.rend());
    backward.push_back("cmdspin");
    for (const char* previous : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), previous);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, FocusChain,
                         ::testing::Values(Chain{"Designed",
                                                 false,
                                                 {"txtbets", "cmdreset", "txtbank", "cmdtransfer",
                                                  "lsthistory", "cmddblup", "cmddbldown",
                                                  "cmdspin"}},
                                           Chain{"Keyboard",
                                                 true,
                                                 {"txtbets", "cmdreset", "txtbank", "cmdtransfer",
                                                  "lsthistory", "cmddblup", "cmddbldown", "lblleft",
                                                  "lblmiddle", "lblright", "cmdspin"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BoxKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    bool places;   // otherwise it takes a bet back
    bool repeats;  // a held key acts again
};

class BetBoxKeys : public WindowFixture, public ::testing::WithParamInterface<BoxKey> {
  protected:
    QWidget* focusMiddleBox() {
        window.setKeyboardMode(true);
        QWidget* box = control("lblmiddle");
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(box->hasFocus());
        return box;
    }
};

// Placing from 50 leaves 75 and the bank 925; taking back leaves 25 and 975.
TEST_P(BetBoxKeys, AKeyOnAFocusedBoxActsAsTheMouseDoes) {
    click("lblmiddle");
    click("lblmiddle");
    QWidget* box = focusMiddleBox();
    const BoxKey& k = GetParam();
    sendKey(box, k.key, k.mods);
    EXPECT_EQ(text("lblmiddle"), k.places ? "75" : "25");
    EXPECT_EQ(text("txtbank"), k.places ? "925" : "975");
    sendKey(box, k.key, k.mods, true);  // held down
    const char* held = k.places ? (k.repeats ? "100" : "75") : (k.repeats ? "0" : "25");
    EXPECT_EQ(text("lblmiddle"), held);
    EXPECT_EQ(window.table().state().bank + window.table().state().betMiddle, 1000);
    EXPECT_TRUE(services.messages.empty());
}

// The same refusal as a click: the same message, nothing rewritten.
TEST_P(BetBoxKeys, ARefusalIsTheMouseRefusal) {
    control<QLineEdit>("txtbank")->setText(GetParam().places ? "20" : "1000");
    QWidget* box = focusMiddleBox();
    sendKey(box, GetParam().key, GetParam().mods);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, GetParam().places ? "Increment To High" : "No Bets Left");
    EXPECT_EQ(text("lblmiddle"), "0");
}

TEST_P(BetBoxKeys, DoNothingOutsideKeyboardMode) {
    click("lblmiddle");
    sendKey(control("lblmiddle"), GetParam().key, GetParam().mods);
    EXPECT_EQ(text("lblmiddle"), "25");
    EXPECT_EQ(text("txtbank"), "975");
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BetBoxKeys,
    ::testing::Values(BoxKey{"Space", Qt::Key_Space, {}, true, false},
                      BoxKey{"Return", Qt::Key_Return, {}, true, false},
                      BoxKey{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, true, false},
                      BoxKey{"Plus", Qt::Key_Plus, Qt::ShiftModifier, true, true},
                      BoxKey{"KeypadPlus", Qt::Key_Plus, Qt::KeypadModifier, true, true},
                      BoxKey{"Minus", Qt::Key_Minus, {}, false, true},
                      BoxKey{"KeypadMinus", Qt::Key_Minus, Qt::KeypadModifier, false, true},
                      BoxKey{"Delete", Qt::Key_Delete, {}, false, false},
                      BoxKey{"Backspace", Qt::Key_Backspace, {}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

using KeyboardMode = WindowFixture;

// Yellow on the box's own green, two pixels wide, only while focused.
TEST_F(KeyboardMode, AFocusedBoxShowsAFocusFrame) {
    window.setKeyboardMode(true);
    auto* box = control("lblright");
    const auto corner = [box] { return box->grab().toImage().pixelColor(1, 1); };
    EXPECT_NE(corner(), QColor(255, 255, 0));
    box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(corner(), QColor(255, 255, 0));
    EXPECT_EQ(box->grab().toImage().pixelColor(4, box->height() / 2), QColor(0, 128, 0));
    // The largest stake still fits inside the frame: the columns just inside
    // it stay green from top to bottom.
    qobject_cast<QLabel*>(box)->setText("5000");
    const QImage focused = box->grab().toImage();
    for (int y = 2; y < focused.height() - 2; ++y) {
        EXPECT_EQ(focused.pixelColor(2, y), QColor(0, 128, 0)) << y;
        EXPECT_EQ(focused.pixelColor(focused.width() - 3, y), QColor(0, 128, 0)) << y;
    }
    control("cmdspin")->setFocus();
    EXPECT_NE(corner(), QColor(255, 255, 0));
}

// Turned off again, the boxes give up the focus and the designed chain is back.
TEST_F(KeyboardMode, TurnedOffGivesTheFocusBackToSpin) {
    window.setKeyboardMode(true);
    control("lblleft")->setFocus(Qt::TabFocusReason);
    window.setKeyboardMode(false);
    EXPECT_EQ(focusName(), "cmdspin");
    EXPECT_EQ(control("lblleft")->focusPolicy(), Qt::NoFocus);
}

// Escape and Enter close the help window in keyboard mode only; other keys never.
TEST_F(KeyboardMode, EscapeAndEnterCloseTheHelpWindowOnlyInKeyboardMode) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        for (const bool keyboard : {false, true}) {
            window.setKeyboardMode(keyboard);
            bool stayed = false;
            whileHelpIsOpen([&](frmhelp* help) {
                ASSERT_NE(help, nullptr);
                QTest::keyClick(help, Qt::Key_A);
                QTest::keyClick(help, key);
                stayed = help->isVisible();
                if (stayed) help->lblhelp_Click();
            });
            EXPECT_EQ(stayed, !keyboard) << QKeySequence(key).toString().toStdString();
            EXPECT_EQ(services.helpWindow(), nullptr);
        }
    }
}

// The menu titles have no access letters; Alt alone (or F10 in keyboard
// mode) reaches the menu bar, the arrows the menus, the letters the items.
struct MenuRoute {
    const char* name;
    Qt::Key opener;
    bool keyboard;
    int rights;  // menus to the right of File
    Qt::Key letter;
    std::function<bool(WindowFixture&)> reached;
};

class Menus : public WindowFixture, public ::testing::WithParamInterface<MenuRoute> {};

TEST_P(Menus, AreReachedWithoutAPointer) {
    const MenuRoute& r = GetParam();
    window.setKeyboardMode(r.keyboard);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Keys go to an open menu, which grabs the keyboard, or to the focus.
    const auto keyTo = [] {
        QWidget* popup = QApplication::activePopupWidget();
        return popup != nullptr ? popup : QApplication::focusWidget();
    };
    QTest::keyClick(keyTo(), r.opener);
    for (int i = 0; i < r.rights; ++i) QTest::keyClick(keyTo(), Qt::Key_Right);
    if (QApplication::activePopupWidget() == nullptr) QTest::keyClick(keyTo(), Qt::Key_Down);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    bool reached = false;
    QTimer::singleShot(0, [&] { reached = r.reached(*this); });
    QTest::keyClick(menu, r.letter);
    QCoreApplication::processEvents();  // the check runs inside this test in any case
    EXPECT_TRUE(reached || r.reached(*this));
}

bool helpShownAndClosed(WindowFixture& f) {
    frmhelp* help = f.services.helpWindow();
    if (help == nullptr || !help->isVisible()) return false;
    help->lblhelp_Click();
    return true;
}
bool aboutShownAndClosed(WindowFixture& f) {
    frmabout* about = f.services.aboutWindow();
    if (about == nullptr || !about->isVisible()) return false;
    about->cmdok_Click();
    return true;
}
bool mainWindowClosed(WindowFixture& f) {
    return !f.window.isVisible();
}

INSTANTIATE_TEST_SUITE_P(
    Routes, Menus,
    ::testing::Values(MenuRoute{"AltToHelp", Qt::Key_Alt, false, 2, Qt::Key_H, helpShownAndClosed},
                      MenuRoute{"AltToAbout", Qt::Key_Alt, false, 2, Qt::Key_A,
                                aboutShownAndClosed},
                      MenuRoute{"AltToExit", Qt::Key_Alt, false, 0, Qt::Key_E, mainWindowClosed},
                      MenuRoute{"F10ToHelp", Qt::Key_F10, true, 2, Qt::Key_H, helpShownAndClosed},
                      MenuRoute{"F10ToExit", Qt::Key_F10, true, 0, Qt::Key_E, mainWindowClosed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Menus, F10DoesNothingOutsideKeyboardMode) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(window.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(focusName(), "cmdspin");
}

}  // namespace
}  // namespace torvane::ui::testing
