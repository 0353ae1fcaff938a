// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QMainWindow>

#include "design/MainWindow.h"
#include "design/MainWindowHandlers.h"
#include "game/Table.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindowLayout.h"
#include "ui/WidgetTableView.h"

namespace torvane::ui {

// The main window: the table of numbers, the bet boxes, the history, the
// chart, the bank and increment, and the menus. Each control's and menu
// item's event reaches the shared main-window handler the design names for
// it; what the handlers ask of the desktop goes to the desktop services.
class frmdiduvor : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmdiduvor(DesktopServices& services, QWidget* parent = nullptr);
    ~frmdiduvor() override;

    const Table& table() const { return table_; }

    // Keyboard mode, off unless asked for: the bet boxes take the focus and
    // their keys, and the help window closes on Escape and Enter too.
    bool keyboardMode() const { return keyboardMode_; }
    void setKeyboardMode(bool on);

    // The main window's handlers, named after their control and event,
    // which the controls and menu items reach.
    design::MainWindowHandlers& handlers() { return handlers_; }

    // The window's own events.
    void Form_Load() { handlers_.Form_Load(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // What the handlers ask of the desktop.
    class Actions : public design::WindowActions {
      public:
        explicit Actions(frmdiduvor& window) : window_(window) {}
        void showHelpWindow() override;
        void showAboutWindow() override;
        void openAddress(const char* address) override;
        void unloadMainWindow() override;
        void unloadOtherWindows() override;

      private:
        frmdiduvor& window_;
    };

    void connectEvents();

    DesktopServices& services_;
    MainWindowControls controls_;
    WidgetTableView view_;
    Table table_;
    Actions actions_{*this};
    design::MainWindowHandlers handlers_{table_, actions_};
    bool keyboardMode_ = false;
};

}  // namespace torvane::ui
