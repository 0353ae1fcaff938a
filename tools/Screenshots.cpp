// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Renders the three windows offscreen to PNG files for the README:
//   torvane_screenshots DIR [LANGUAGE]  ->  DIR/main-window.png, DIR/help-window.png,
//       DIR/about-window.png, DIR/keyboard-mode.png, DIR/keyboard-mode-dark.png
// in the designed English, or in LANGUAGE ("de") to look at a translation.
// The main window is shown after start-up, a bet and a few spins; then in
// keyboard mode with the focus on the left bet box, in the desktop's light
// colours and in a dark theme.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <cstdio>

#include "ui/Design.h"
#include "ui/PlayerLanguage.h"
#include "ui/QtDesktopServices.h"
#include "ui/frmabout.h"
#include "ui/frmdiduvor.h"
#include "ui/frmhelp.h"

using torvane::ui::frmdiduvor;

namespace {

// The program's own services with a clock the tool sets, so the pictures
// show the same spins on every run.
class ScriptedClock : public torvane::ui::QtDesktopServices {
  public:
    int second = 0;
    int secondOfMinute() override { return second; }
};

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torvane::ui::setUpResources();
    torvane::ui::usePlayerLanguage(QString(argc > 2 ? argv[2] : "en"));
    const QDir out(argc > 1 ? argv[1] : ".");

    ScriptedClock services;
    frmdiduvor window(services);
    window.Form_Load();
    window.show();
    const int seconds[] = {17, 41, 8, 33, 52, 26};
    for (int s : seconds) {
        window.handlers().lblleft_MouseUp({1});
        window.handlers().lblright_MouseUp({1});
        services.second = s;
        window.handlers().cmdspin_Click();
    }
    window.handlers().lblmiddle_MouseUp({1});
    bool ok = window.grab().save(out.filePath("main-window.png"));

    torvane::ui::frmhelp help(&window);
    help.show();
    ok = help.grab().save(out.filePath("help-window.png")) && ok;

    torvane::ui::frmabout about(&window);
    about.show();
    ok = about.grab().save(out.filePath("about-window.png")) && ok;

    help.hide();
    about.hide();
    window.setKeyboardMode(true);
    // Pending window activations come first, so they cannot take the focus back.
    const auto focusLeftBox = [&window] {
        QApplication::processEvents();
        QApplication::setActiveWindow(&window);
        window.findChild<QWidget*>("lblleft")->setFocus(Qt::TabFocusReason);
        return window.findChild<QWidget*>("lblleft")->hasFocus();
    };
    ok = focusLeftBox() && ok;
    ok = window.grab().save(out.filePath("keyboard-mode.png")) && ok;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    ok = focusLeftBox() && ok;  // its events also give every control the new colours
    ok = window.grab().save(out.filePath("keyboard-mode-dark.png")) && ok;

    std::printf("%s\n", ok ? "screenshots written" : "could not write the screenshots");
    return ok ? 0 : 1;
}
