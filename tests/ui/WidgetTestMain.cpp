// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// One QApplication for all widget tests, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "LeakCheck.h"
#include "ui/Design.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    torvane::ui::setUpResources();
    const int status = RUN_ALL_TESTS();
    torvane::ui::testing::clearStaleEventReferences();  // so leaked windows show
    return status;
}
