// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The main window must look exactly as it did when the reference pictures in
// tests/ui/reference/ were rendered, pixel for pixel: after a few bets and
// spins, in the toolkit's default colours and in a dark desktop theme, and
// in keyboard mode with the focus on a bet box. A change that makes start-up
// quicker, or moves where the design is written, must not change what a
// player sees.
//
// To render the pictures again after a change that is meant to be seen, run
// the widget tests with TORVANE_WRITE_REFERENCES=1 and look at every
// picture before committing it.
#include <QDir>
#include <QImage>

#include "Themes.h"
#include "WindowFixture.h"

namespace torvane::ui::testing {
namespace {

struct Look {
    const char* name;
    Theme theme;
    bool focusOnABox;
};
void PrintTo(const Look& look, std::ostream* os) {
    *os << look.name;
}

class Rendering : public WindowFixture, public ::testing::WithParamInterface<Look> {
  protected:
    void SetUp() override {
        if (GetParam().theme != Theme::Default) {
            QApplication::setPalette(desktopPalette(GetParam().theme == Theme::Dark));
        }
        // Stakes, a lit number, winnings, history lines and drawn chart lines.
        for (int number : {17, 5, 0, 33}) {
            click("lblleft");
            click("lblright");
            drawNext(number);
            click("cmdspin");
        }
        click("lblmiddle");
        if (GetParam().focusOnABox) {
            window.setKeyboardMode(true);
            QApplication::processEvents();  // pending activations first
            QApplication::setActiveWindow(&window);
            control("lblleft")->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(control("lblleft")->hasFocus());
        }
        QApplication::processEvents();
    }
    void TearDown() override { QApplication::setPalette(QApplication::style()->standardPalette()); }
};

TEST_P(Rendering, TheMainWindowLooksAsItsReference) {
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = QString("%1/%2.png").arg(TORVANE_REFERENCE_DIR, GetParam().name);
    if (qEnvironmentVariableIsSet("TORVANE_WRITE_REFERENCES")) {
        ASSERT_TRUE(shown.save(file)) << file.toStdString();
        GTEST_SKIP() << "wrote " << file.toStdString();
    }
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << "no reference picture " << file.toStdString();
    ASSERT_EQ(shown.size(), reference.size());

    int differing = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != reference.pixel(x, y) && differing++ == 0) first = {x, y};
        }
    }
    if (differing > 0) {
        const QString failed = QDir::current().absoluteFilePath(
            QString("rendering-%1-shown.png").arg(GetParam().name));
        shown.save(failed);
        ADD_FAILURE() << differing << " pixels differ, the first at (" << first.x() << ", "
                      << first.y() << "): " << QColor(shown.pixel(first)).name().toStdString()
                      << " instead of " << QColor(reference.pixel(first)).name().toStdString()
                      << "; the window as shown is in " << failed.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, Rendering,
                         ::testing::Values(Look{"light", Theme::Default, false},
                                           Look{"dark", Theme::Dark, false},
                                           Look{"keyboard_light", Theme::Default, true},
                                           Look{"keyboard_dark", Theme::Dark, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::ui::testing
