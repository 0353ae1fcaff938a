// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The real program from start to exit, with its own application object.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

#include "app/RunGame.h"
#include "ui/QtDesktopServices.h"
#include "ui/frmabout.h"
#include "ui/frmdiduvor.h"

namespace torvane {
namespace {

char arg0[] = "torvane";
char* args[] = {arg0, nullptr};

TEST(Process, ExitRightAfterStartEndsWithStatusZeroAndWritesNothing) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(var, home.path().toUtf8());
    }
    bool aboutLoadedHidden = false;
    int argc = 1;
    const int status =
        runGame(argc, args, [&](ui::frmdiduvor& window, ui::QtDesktopServices& desktop) {
            aboutLoadedHidden =
                desktop.aboutWindow() != nullptr && !desktop.aboutWindow()->isVisible();
            window.findChild<QAction*>("exit")->trigger();
        });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(aboutLoadedHidden);
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

}  // namespace
}  // namespace torvane

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
