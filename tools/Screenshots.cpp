// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Renders the three windows offscreen to PNG files for the README:
//   torvane_screenshots DIR  ->  DIR/main-window.png, DIR/help-window.png, DIR/about-window.png
// The main window is shown after start-up, a bet and a few spins.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <cstdio>

#include "ui/Design.h"
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
    const QDir out(argc > 1 ? argv[1] : ".");

    ScriptedClock services;
    frmdiduvor window(services);
    window.Form_Load();
    window.show();
    const int seconds[] = {17, 41, 8, 33, 52, 26};
    for (int s : seconds) {
        window.lblleft_MouseUp(1, 0, 0, 0);
        window.lblright_MouseUp(1, 0, 0, 0);
        services.second = s;
        window.cmdspin_Click();
    }
    window.lblmiddle_MouseUp(1, 0, 0, 0);
    bool ok = window.grab().save(out.filePath("main-window.png"));

    torvane::ui::frmhelp help(&window);
    help.show();
    ok = help.grab().save(out.filePath("help-window.png")) && ok;

    torvane::ui::frmabout about(&window);
    about.show();
    ok = about.grab().save(out.filePath("about-window.png")) && ok;

    std::printf("%s\n", ok ? "screenshots written" : "could not write the screenshots");
    return ok ? 0 : 1;
}
