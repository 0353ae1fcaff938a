// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The real program from start to exit, with its own application object.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>

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

// What is open when the signal comes, and how the game got there.
struct OpenState {
    const char* name;
    std::function<void(ui::frmdiduvor&)> open;  // runs the event that opens it (or nothing)
    const char* modalClass;                     // what the active modal window is, or nullptr
};

void pressButton(ui::frmdiduvor& window, const char* name) {
    window.findChild<QPushButton*>(name)->click();
}
void triggerItem(ui::frmdiduvor& window, const char* name) {
    window.findChild<QAction*>(name)->trigger();
}

const OpenState kStates[] = {
    {"MainWindowOnly", nullptr, nullptr},
    {"HelpOpen", [](ui::frmdiduvor& w) { triggerItem(w, "help"); }, "torvane::ui::frmhelp"},
    {"AboutOpen", [](ui::frmdiduvor& w) { triggerItem(w, "about"); }, "torvane::ui::frmabout"},
    // "Tranfer Violation": a critical refusal.
    {"RefusalMessageOpen", [](ui::frmdiduvor& w) { pressButton(w, "cmdtransfer"); }, "QMessageBox"},
    // "Minimum increment for Torvane is R25": a plain notice.
    {"NoticeMessageOpen", [](ui::frmdiduvor& w) { pressButton(w, "cmddbldown"); }, "QMessageBox"},
    // A bank that is not a number: the failure message.
    {"FailureMessageOpen",
     [](ui::frmdiduvor& w) {
         w.findChild<QLineEdit*>("txtbank")->setText("lots");
         w.handlers().lblleft_MouseUp({1});
     },
     "QMessageBox"},
};

struct SignalCase {
    int signal;
    OpenState state;
};

class EndsOnSignal : public ::testing::TestWithParam<SignalCase> {};

// The signal arrives while the state is open; the game closes every modal
// window, then the main window through its unload handler, and exits 0.
TEST_P(EndsOnSignal, LikeFileExitWithStatusZero) {
    const SignalCase& c = GetParam();
    std::string modalSeen;
    bool openingReturned = false;
    int argc = 1;
    const int status = runGame(argc, args, [&](ui::frmdiduvor& window, ui::QtDesktopServices&) {
        // Once the state is open (inside its modal loop, if it has one), signal.
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            QWidget* modal = QApplication::activeModalWidget();
            if (c.state.modalClass != nullptr && modal == nullptr) return;
            if (modal != nullptr) modalSeen = modal->metaObject()->className();
            poll->stop();
            ::kill(::getpid(), c.signal);
        });
        poll->start(5);
        if (c.state.open) {
            c.state.open(window);
            openingReturned = true;
        }
    });
    EXPECT_EQ(status, 0);
    if (c.state.modalClass != nullptr) {
        EXPECT_EQ(modalSeen, c.state.modalClass);
        EXPECT_TRUE(openingReturned);  // the modal loop ended and its handler went on
    }
    EXPECT_EQ(QApplication::instance(), nullptr);
}

std::vector<SignalCase> signalCases() {
    std::vector<SignalCase> cases;
    for (int signal : {SIGTERM, SIGINT}) {
        for (const OpenState& state : kStates) cases.push_back({signal, state});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Signals, EndsOnSignal, ::testing::ValuesIn(signalCases()),
                         [](const auto& info) {
                             return std::string(info.param.signal == SIGTERM ? "Term" : "Int") +
                                    info.param.state.name;
                         });

}  // namespace
}  // namespace torvane

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
