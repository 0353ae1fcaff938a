// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "WindowFixture.h"
#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui::testing {
namespace {

using MainWindow = WindowFixture;

TEST_F(MainWindow, AWholeGamePlaysThroughTheWidgets) {
    EXPECT_EQ(window.windowTitle(), "   Diduvor 3/1 V1.0.18");
    EXPECT_EQ(text("lblwin"), "R0");

    click("lblleft");
    EXPECT_EQ(text("txtbank"), "975");
    EXPECT_EQ(text("lblleft"), "25");
    click("lblmiddle");
    click("lblright", Qt::MiddleButton);
    EXPECT_EQ(text("txtbank"), "925");
    click("lblright", Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(text("txtbank"), "950");
    EXPECT_EQ(text("lblright"), "0");

    drawNext(7);
    click("cmdspin");
    EXPECT_EQ(text("lblwin"), "R75");
    EXPECT_EQ(text("lblleft"), "0");
    EXPECT_EQ(text("lblmiddle"), "0");
    int bright = 0;
    for (int n = 0; n < 37; ++n) bright += cellColour(n) == QColor(0, 255, 0) ? 1 : 0;
    EXPECT_EQ(bright, 1);
    EXPECT_EQ(cellColour(7), QColor(0, 255, 0));
    EXPECT_EQ(cellColour(0), QColor(0, 192, 0));
    auto* history = control<QListWidget>("lsthistory");
    ASSERT_EQ(history->count(), 1);
    EXPECT_EQ(history->item(0)->text(), "0001   7");

    click("cmdtransfer");
    EXPECT_EQ(text("txtbank"), "1025");
    EXPECT_EQ(text("lblwin"), "0");

    click("cmddblup");
    EXPECT_EQ(text("txtbets"), "50");
    click("cmddbldown");
    click("cmddbldown");
    EXPECT_EQ(text("txtbets"), "25");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, "Minimum increment for Torvane is R25");

    click("cmdreset");
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_EQ(history->count(), 0);
    EXPECT_EQ(text("lblwin"), "R0");
}

// The window's own list: ten lines at the most, the oldest going first.
TEST_F(MainWindow, TheHistoryKeepsTheTenNewestSpins) {
    for (int number = 1; number <= 11; ++number) {
        drawNext(number);
        click("cmdspin");
    }
    auto* history = control<QListWidget>("lsthistory");
    ASSERT_EQ(history->count(), 10);
    EXPECT_EQ(history->item(0)->text(), "0002   2");
    EXPECT_EQ(history->item(9)->text(), "0011   11");
}

TEST_F(MainWindow, TheViewMenuNewGameDoesWhatTheButtonDoes) {
    click("lblleft");
    drawNext(1);
    click("cmdspin");
    control<QLineEdit>("txtbank")->setText("2000");
    action("newgame")->trigger();
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_EQ(text("txtbets"), "25");
    EXPECT_EQ(text("lblwin"), "R0");
    EXPECT_EQ(control<QListWidget>("lsthistory")->count(), 0);
    EXPECT_EQ(window.table().state().windowSpins, 1);
}

TEST_F(MainWindow, AFailureIsReportedAndPlayGoesOn) {
    control<QLineEdit>("txtbank")->setText("plenty");
    click("lblleft");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Torvane");
    EXPECT_EQ(services.messages[0].style, MessageStyle::Critical);
    EXPECT_EQ(services.messages[0].prompt.rfind("The bet could not be completed: the money in the "
                                                "bank (\"plenty\") is not a number.",
                                                0),
              0u)
        << services.messages[0].prompt;
    control<QLineEdit>("txtbank")->setText("500");
    click("lblleft");
    EXPECT_EQ(text("txtbank"), "475");
}

// The real message box: modal, with the given title, text and icon, and OK.
TEST_F(MainWindow, ARefusalShowsAModalCriticalMessageBox) {
    services.realMessageBoxes = true;
    QString title, prompt;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        prompt = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    click("cmdtransfer");
    EXPECT_EQ(title, "Tranfer Violation");
    EXPECT_EQ(prompt, "There is no winnings to transfer.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QMessageBox::Icon plainIcon = QMessageBox::Critical;
    QString plainTitle;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        plainIcon = box->icon();
        plainTitle = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    control<QLineEdit>("txtbets")->setText("2000");
    click("cmddblup");
    EXPECT_EQ(plainIcon, QMessageBox::NoIcon);
    EXPECT_EQ(plainTitle, "Torvane");
    EXPECT_EQ(text("txtbets"), "2500");
}

// However long the typed text, the failure's message box fits the screen
// with its OK button.
TEST_F(MainWindow, AMessageAboutTheLongestBankFitsTheScreen) {
    services.realMessageBoxes = true;
    control<QLineEdit>("txtbank")->setText(QString(32767, 'x'));
    QRect box;
    QRect ok;
    QRect screen;
    QTimer::singleShot(0, [&] {
        auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(message, nullptr);
        QAbstractButton* button = message->button(QMessageBox::Ok);
        box = message->frameGeometry();
        ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        screen = message->screen()->availableGeometry();
        button->click();
    });
    click("lblleft");
    EXPECT_TRUE(screen.contains(box)) << box.width() << " wide on a screen " << screen.width();
    EXPECT_TRUE(screen.contains(ok));
}

TEST_F(MainWindow, ControlsStandWhereDesigned) {
    const auto at = [this](const char* name) { return control(name)->geometry(); };
    EXPECT_EQ(at("lbl0_34"), QRect(px(120), px(5880), 31, 31));
    EXPECT_EQ(at("lbl0_35"), QRect(px(600), px(5880), 31, 31));
    EXPECT_EQ(at("lbl0_36"), QRect(px(1080), px(5880), 31, 31));
    EXPECT_EQ(at("lbl0_0"), QRect(8, 8, 95, 31));  // one wide cell over the three columns
    EXPECT_EQ(at("lbl0_1"), QRect(8, 40, 31, 31));
    for (const auto& [box, top] :
         {std::pair{"lblleft", "lbl0_34"}, std::pair{"lblmiddle", "lbl0_35"},
          std::pair{"lblright", "lbl0_36"}}) {
        EXPECT_EQ(at(box).left(), at(top).left()) << box;
        EXPECT_EQ(at(box).width(), at(top).width()) << box;
        EXPECT_EQ(at(box).top(), at(top).bottom() + 2) << box;  // 6360 twips, under the row
    }
    EXPECT_EQ(window.centralWidget()->size(), QSize(370, 468));

    auto* win = control<QLabel>("lblwin");
    const QRect before = win->geometry();
    EXPECT_EQ(before.left(), 230);
    click("lblleft");
    drawNext(1);
    click("cmdspin");
    EXPECT_EQ(win->text(), "R75");
    EXPECT_EQ(win->geometry().left(), 230);
    EXPECT_GT(win->geometry().width(), before.width());

    for (const char* line : {"ln0", "lnl", "lnm", "lnr"}) {
        auto* l = control<ChartLine>(line);
        EXPECT_EQ(l->geometry().bottom() + 1, px(1950)) << line;
    }
    EXPECT_EQ(control<ChartLine>("lnl")->width(), 4);
    EXPECT_EQ(control<ChartLine>("ln0")->width(), 3);
}

TEST_F(MainWindow, ChartLinesStartAtTheDesignedHeightAndFollowTheChart) {
    for (const char* line : {"ln0", "lnl", "lnm", "lnr"}) {
        EXPECT_EQ(control<ChartLine>(line)->y2(), 420.0f) << line;
        EXPECT_EQ(control<ChartLine>(line)->geometry().top(), px(420)) << line;
    }
    drawNext(0);
    click("cmdspin");
    drawNext(4);
    click("cmdspin");
    EXPECT_EQ(control<ChartLine>("ln0")->y2(), 500.0f);
    EXPECT_EQ(control<ChartLine>("lnl")->y2(), 500.0f);
    EXPECT_EQ(control<ChartLine>("lnm")->y2(), 1000.0f);
    EXPECT_EQ(control<ChartLine>("lnr")->geometry().top(), px(1000));
}

TEST_F(MainWindow, SpinHasTheFocusAndTabFollowsTheDesignedOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), control("cmdspin"));
    const char* order[] = {"txtbets",    "cmdreset", "txtbank",    "cmdtransfer",
                           "lsthistory", "cmddblup", "cmddbldown", "cmdspin"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST_F(MainWindow, TheIncrementTakesFourCharactersAndTheBankAny) {
    auto* bets = control<QLineEdit>("txtbets");
    bets->clear();
    QTest::keyClicks(bets, "12345");
    EXPECT_EQ(bets->text(), "1234");
    auto* bank = control<QLineEdit>("txtbank");
    bank->clear();
    QTest::keyClicks(bank, "123456789012");
    EXPECT_EQ(bank->text(), "123456789012");
    // The game itself may write a longer increment.
    bets->setText("-50");
    click("cmddblup");
    bets->setText("-999");
    click("cmddblup");
    EXPECT_EQ(bets->text(), "-1998");
}

TEST_F(MainWindow, TheMenuBarIsAsDesigned) {
    QList<QAction*> titles = window.menuBar()->actions();
    ASSERT_EQ(titles.size(), 3);
    EXPECT_EQ(titles[0]->text(), "File");
    EXPECT_EQ(titles[1]->text(), "View");
    EXPECT_EQ(titles[2]->text(), "Help");
    EXPECT_EQ(titles[2]->menu()->objectName(), "hlep");
    const auto captions = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions()) list << (a->isSeparator() ? "-" : a->text());
        return list;
    };
    EXPECT_EQ(captions(titles[0]->menu()), QStringList{"&Exit"});
    EXPECT_EQ(captions(titles[1]->menu()), QStringList{"New Game"});
    EXPECT_EQ(captions(titles[2]->menu()),
              (QStringList{"&Help", "&About", "-", "Mail me your winning method.", "My website"}));
    for (QAction* a : window.findChildren<QAction*>()) {
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
        EXPECT_TRUE(a->isEnabled());
        EXPECT_FALSE(a->isCheckable());
    }
}

TEST_F(MainWindow, ScreenReadersCanTellWhatEachControlIsAndShows) {
    const auto name = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(this->control(control))
            ->text(QAccessible::Name);
    };
    const auto description = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(this->control(control))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(name("txtbank"), "Money in the bank");
    EXPECT_EQ(name("txtbets"), "Bet increment");
    EXPECT_EQ(name("lsthistory"), "Spin history");
    EXPECT_EQ(name("cmddblup"), "Double the bet increment");
    EXPECT_EQ(name("cmddbldown"), "Halve the bet increment");
    EXPECT_EQ(name("cmdspin"), "SPIN");
    EXPECT_TRUE(description("lblleft").startsWith("Left column stake"));
    EXPECT_TRUE(description("lblleft").contains("right click takes it back"));

    click("lblleft");
    // The stake stays readable, after the column's name, and as the value.
    EXPECT_EQ(name("lblleft"), "Left column stake: 25");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("lblleft"))->text(QAccessible::Value),
              "25");
    drawNext(17);
    click("cmdspin");
    EXPECT_EQ(name("lbl0_17"), "17");
    EXPECT_TRUE(description("lbl0_17").contains("drawn by the last spin"));
    EXPECT_FALSE(description("lbl0_16").contains("drawn"));
    EXPECT_TRUE(description("lbl0_16").contains("Clicking it does nothing"));
    EXPECT_EQ(name("lblwin"), "R0");
    EXPECT_EQ(description("lblwin"), "Winnings not yet in the bank");
}

TEST_F(MainWindow, TheLinksGoToTheDesktopAndChangeNothing) {
    action("mailme")->trigger();
    action("email")->trigger();
    ASSERT_EQ(services.opened.size(), 2u);
    EXPECT_EQ(services.opened[0].scheme(), "mailto");
    EXPECT_TRUE(services.opened[0].toString().endsWith("@example.org"));
    EXPECT_EQ(services.opened[1].scheme(), "http");
    EXPECT_EQ(services.opened[1].host(), "www.example.org");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(text("txtbank"), "1000");
    EXPECT_EQ(window.table().state(), TableState{.startBank = 1000});
}

}  // namespace
}  // namespace torvane::ui::testing
