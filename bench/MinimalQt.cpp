// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The smallest Qt Widgets program that shows one label and renders it to a
// PNG the way `torvane --screenshot` does: the floor for start-up time and
// memory on this machine.  torvane_minimal_qt FILE.png
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLabel label("Torvane");
    label.show();
    return argc > 1 && label.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
