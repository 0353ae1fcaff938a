// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QMainWindow>

#include "design/MainWindow.h"
#include "game/Table.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindowLayout.h"
#include "ui/WidgetTableView.h"

namespace torvane::ui {

// The main window: the table of numbers, the bet boxes, the history, the
// chart, the bank and increment, and the menus. Its handlers, named after
// their control and event, pass each event to the game table or to the
// desktop services.
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

    // The window's own events.
    void Form_Load();
    void Form_Unload();

    // Controls.
    void cmdspin_Click();
    void cmdreset_Click();
    void cmdtransfer_Click();
    void cmddblup_Click();
    void cmddbldown_Click();
    void lblleft_MouseUp(int button, int shift, float x, float y);
    void lblmiddle_MouseUp(int button, int shift, float x, float y);
    void lblright_MouseUp(int button, int shift, float x, float y);

    // Menus.
    void exit_Click();
    void newgame_Click();
    void help_Click();
    void about_Click();
    void mailme_Click();
    void email_Click();

    static constexpr const char* kMailAddress = design::kMailAddress;
    static constexpr const char* kWebsite = design::kWebsite;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void connectEvents();

    DesktopServices& services_;
    MainWindowControls controls_;
    WidgetTableView view_;
    Table table_;
    bool keyboardMode_ = false;
};

}  // namespace torvane::ui
