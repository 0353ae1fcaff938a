// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include <QPointer>

#include "WindowFixture.h"
#include "ui/Design.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

TEST(HelpText, IsBuiltLineByLineWithCrLfPairs) {
    const QString text = frmhelp::helpText();
    EXPECT_TRUE(text.startsWith(QString(15, ' ') + "HOW TO PLAY TORVANE.\r\n\r\n To play"));
    EXPECT_FALSE(text.startsWith(QString(16, ' ')));
    EXPECT_TRUE(text.endsWith("(Transfer winnings to bank)."));
    EXPECT_EQ(text.count("\r\n"), 8);
    EXPECT_EQ(text.count("\n"), 8);  // no lone line feeds
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(lines[1].isEmpty());
    for (int i = 2; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith(' ') && !lines[i].startsWith("  ")) << i;
    }
    EXPECT_EQ(lines[7],
              " 5. To instantly double the increment, click on the yellow up/down arrows.");
}

using HelpWindow = WindowFixture;

// Every character of the rules, as the window shows them.
TEST_F(HelpWindow, ShowsTheRulesToTheLetter) {
    whileHelpIsOpen([](frmhelp* help) {
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(
            help->caption().toStdString(),
            "               HOW TO PLAY TORVANE.\r\n"
            "\r\n"
            " To play Torvane is similar to playing real Diduvor's bottom 3 to 1.\r\n"
            " 1. To place or increase your bets, left click on the appropriate dark green box at "
            "the bottom of the Torvane table.\r\n"
            " 2. To decrease bets and deposit it back into your bank, right click on the bet/s, at "
            "the bottom dark green box.\r\n"
            " 3. If you would like to deposit more money into your bank just change the (Money in "
            "the bank) value.\r\n"
            " 4. If you want to increase/decrease the amounts you bet on the table just alter the "
            "value of the (Bet increment).\r\n"
            " 5. To instantly double the increment, click on the yellow up/down arrows.\r\n"
            " 6. To bank your winnings click on (Transfer winnings to bank).");
        help->lblhelp_Click();
    });
}

TEST_F(HelpWindow, OpensAtItsPlaceAndClosesOnAClickOnTheText) {
    whileHelpIsOpen([](frmhelp* help) {
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->isModal() || QApplication::activeModalWidget() == help);
        EXPECT_EQ(help->pos(), QPoint(px(3805), px(3000)));
        EXPECT_EQ(help->size(), QSize(312, 231));
        EXPECT_TRUE(help->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(help->caption(), frmhelp::helpText());
        auto* label = help->findChild<QLabel*>("lblhelp");
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().contains('\r'));  // CR LF shown as a line break
        EXPECT_EQ(label->geometry(), QRect(6, 8, 299, 213));

        QTest::keyClick(help, Qt::Key_Escape);
        QTest::keyClick(help, Qt::Key_A);
        QTest::keyClick(help, Qt::Key_Return);
        EXPECT_TRUE(help->isVisible());
        QTest::mouseClick(help, Qt::LeftButton, {}, QPoint(2, 2));  // the blue frame
        EXPECT_TRUE(help->isVisible());
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(150, 100));
    });
    EXPECT_EQ(services.helpWindow(), nullptr);  // unloaded
}

TEST_F(HelpWindow, EachOpeningBuildsTheWindowAfresh) {
    const frmhelp* first = nullptr;
    whileHelpIsOpen([&](frmhelp* help) {
        first = help;
        help->findChild<QLabel*>("lblhelp")->setText("changed");
        help->move(0, 0);
        help->lblhelp_Click();
    });
    whileHelpIsOpen([&](frmhelp* help) {
        EXPECT_EQ(help->pos(), QPoint(px(3805), px(3000)));
        EXPECT_TRUE(help->findChild<QLabel*>("lblhelp")->text().startsWith(QString(15, ' ')));
        help->lblhelp_Click();
    });
    EXPECT_NE(first, nullptr);
}

using AboutWindow = WindowFixture;

QString labelText(const frmabout* about, const char* name) {
    return about->findChild<QLabel*>(name)->text();
}

TEST_F(AboutWindow, IsLoadedHiddenAtStartAndShownWithoutASecondLoad) {
    ASSERT_NE(services.aboutWindow(), nullptr);
    EXPECT_FALSE(services.aboutWindow()->isVisible());
    EXPECT_EQ(services.aboutLoads, 1);
    whileAboutIsOpen([this](frmabout* about) {
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(services.aboutLoads, 1);
        EXPECT_EQ(labelText(about, "lblVersion"), "Version 1.0.18");
        EXPECT_EQ(labelText(about, "lblProductName"), "Torvane");
        EXPECT_EQ(about->size(), QSize(492, 283));
        EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        EXPECT_EQ(about->focusWidget(), about->findChild<QWidget*>("cmdok"));
        const QLabel* version = about->findChild<QLabel*>("lblVersion");
        EXPECT_EQ(version->geometry().right() + 1, px(5865 + 975));  // right-aligned
        EXPECT_TRUE(version->alignment().testFlag(Qt::AlignRight));
        about->cmdok_Click();
    });
    EXPECT_EQ(services.aboutWindow(), nullptr);

    whileAboutIsOpen([this](frmabout* about) {
        EXPECT_EQ(services.aboutLoads, 2);  // loaded again, its load handler run again
        EXPECT_EQ(labelText(about, "lblVersion"), "Version 1.0.18");
        QTest::mouseClick(about->findChild<QWidget*>("cmdok"), Qt::LeftButton);
    });
    EXPECT_EQ(services.aboutWindow(), nullptr);
}

class AboutKeys : public WindowFixture, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKeys, AKeyThatTypesACharacterClosesIt) {
    whileAboutIsOpen([](frmabout* about) {
        // Keys that type nothing and clicks on the picture or a label do not close it.
        QWidget* ok = about->findChild<QWidget*>("cmdok");
        ASSERT_EQ(about->focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Right);
        QTest::keyClick(ok, Qt::Key_F1);
        QTest::keyClick(ok, Qt::Key_Shift);
        QTest::mouseClick(about->findChild<QWidget*>("imgLogo"), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QWidget*>("lblCopyright"), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QWidget*>("frmabout"), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(about->isVisible());
        QTest::keyClick(about->focusWidget(), GetParam());
        if (about->isVisible()) {
            ADD_FAILURE() << "still open";
            about->cmdok_Click();
        }
    });
    EXPECT_EQ(services.aboutWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Q,
                                           Qt::Key_7),
                         [](const auto& info) {
                             return QKeySequence(info.param).toString().toStdString();
                         });

using Shutdown = WindowFixture;

TEST_F(Shutdown, ExitUnloadsTheHiddenAboutWindowAndClosesTheMainWindow) {
    ASSERT_NE(services.aboutWindow(), nullptr);
    action("exit")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(services.aboutWindow(), nullptr);
}

// Closing the main window while a window is shown modally ends its loop; the
// window is freed only after its exec() has returned, not from inside it.
TEST_F(Shutdown, ClosingWhileTheWindowsAreOpenUnloadsThemFirst) {
    QPointer<frmhelp> shown;
    bool stillThereInsideItsLoop = false;
    whileHelpIsOpen([&](frmhelp* help) {
        ASSERT_NE(help, nullptr);
        shown = help;
        window.close();  // as the desktop would, e.g. at logout
        stillThereInsideItsLoop = !shown.isNull();
        EXPECT_FALSE(shown && shown->isVisible());
    });
    EXPECT_TRUE(stillThereInsideItsLoop);
    EXPECT_TRUE(shown.isNull());  // freed once the showing returned
    EXPECT_EQ(services.helpWindow(), nullptr);
    EXPECT_EQ(services.aboutWindow(), nullptr);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Shutdown, ClosingWhileTheAboutWindowIsOpenFreesItAfterItsLoop) {
    QPointer<frmabout> shown;
    bool stillThereInsideItsLoop = false;
    whileAboutIsOpen([&](frmabout* about) {
        shown = about;
        window.close();
        stillThereInsideItsLoop = !shown.isNull();
    });
    EXPECT_TRUE(stillThereInsideItsLoop);
    EXPECT_TRUE(shown.isNull());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace torvane::ui::testing
