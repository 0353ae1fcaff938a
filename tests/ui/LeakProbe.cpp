// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Leaks one of the game's windows on purpose, so that a test can see that
// LeakSanitizer, with the project's suppressions, still reports our leaks.
#include <QApplication>

#include "LeakCheck.h"
#include "ui/Design.h"
#include "ui/frmhelp.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torvane::ui::setUpResources();
    auto* leaked = new torvane::ui::frmhelp();  // no parent, never deleted
    leaked->show();
    QApplication::processEvents();
    torvane::ui::testing::clearStaleEventReferences();
    return 0;
}
