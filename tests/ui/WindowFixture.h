#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "ui/frmdiduvor.h"

namespace torvane::ui::testing {

// A main window after start-up, shown offscreen, with recorded messages and
// a scripted clock and generator: drawNext(n) makes the next spin draw n.
struct WindowFixture : ::testing::Test {
    frmdiduvor window;
    std::vector<Message> messages;
    std::vector<QUrl> opened;
    int second = 0;
    float random = 0.0f;

    WindowFixture() {
        window.services().messageHook = [this](const Message& m) { messages.push_back(m); };
        window.services().clockHook = [this] { return second; };
        window.services().randomHook = [this] { return random; };
        window.services().urlHook = [this](const QUrl& url) { opened.push_back(url); };
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
        second = 1;
        random = (static_cast<float>(number) + 0.5f) / 37.0f;
    }
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(control(name), button, mods);
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    QColor cellColour(int n) const {
        const QByteArray name = "lbl0_" + QByteArray::number(n);
        return control<QLabel>(name.constData())->palette().color(QPalette::Window);
    }
};

}  // namespace torvane::ui::testing
