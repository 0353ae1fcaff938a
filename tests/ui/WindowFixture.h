// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "support/FakeServices.h"
#include "ui/QtDesktopServices.h"
#include "ui/frmabout.h"
#include "ui/frmdiduvor.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {

// The program's own desktop services with the outside replaced: messages
// are recorded instead of shown (unless a test asks for the real boxes),
// links are recorded instead of opened, the clock and the generator are
// scripted, and loads of the About window are counted.
class RecordingServices : public QtDesktopServices {
  public:
    std::vector<Message> messages;
    std::vector<QUrl> opened;
    int second = 0;
    float random = 0.0f;
    int aboutLoads = 0;
    bool realMessageBoxes = false;

    void showMessage(const Message& m) override {
        if (realMessageBoxes) {
            QtDesktopServices::showMessage(m);
        } else {
            messages.push_back(m);
        }
    }
    void loadAboutWindow() override {
        if (aboutWindow() == nullptr) ++aboutLoads;
        QtDesktopServices::loadAboutWindow();
    }
    int secondOfMinute() override { return second; }
    float nextRandom() override { return random; }
    void openUrl(const QUrl& url) override { opened.push_back(url); }
};

// A main window after start-up, shown offscreen, over recording services:
// drawNext(n) makes the next spin draw n.
struct WindowFixture : ::testing::Test {
    RecordingServices services;
    frmdiduvor window{services};

    WindowFixture() {
        window.Form_Load();
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class T = QWidget>
    T* control(const char* name) const {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const {
        if (auto* edit = window.findChild<QLineEdit*>(name)) return edit->text();
        return control<QLabel>(name)->text();
    }
    void drawNext(int number) {
        services.second = 1;
        services.random = torvane::testing::valueDrawing(number);
    }
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(control(name), button, mods);
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    // Opens Help > Help (or Help > About) and runs `inside` while that window
    // is shown modally; `inside` must close it.
    template <class F>
    void whileHelpIsOpen(F inside) {
        whileModal("help", [&] { inside(services.helpWindow()); });
    }
    template <class F>
    void whileAboutIsOpen(F inside) {
        whileModal("about", [&] { inside(services.aboutWindow()); });
    }
    QColor cellColour(int n) const {
        const QByteArray name = "lbl0_" + QByteArray::number(n);
        return control<QLabel>(name.constData())->palette().color(QPalette::Window);
    }

  private:
    template <class F>
    void whileModal(const char* menuItem, F inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            inside();
        });
        action(menuItem)->trigger();
        EXPECT_TRUE(ran) << menuItem;
    }
};

}  // namespace torvane::ui::testing
