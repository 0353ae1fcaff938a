// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "design/Layout.h"
#include "design/MainWindowHandlers.h"
#include "game/Table.h"
#include "windows/ChartFrame.h"
#include "windows/Controls.h"
#include "windows/WindowTableView.h"
#include "windows/WindowsServices.h"

namespace torvane::win {

// The main window from Windows' own controls: the table of numbers, the
// bet boxes, the history, the chart, the bank and increment, the menu bar.
// Each control's and menu item's event reaches the shared main-window
// handler the design names for it; what those ask of Windows goes to the
// services.
class frmdiduvor : public design::WindowActions {
  public:
    explicit frmdiduvor(WindowsServices& services);
    frmdiduvor(const frmdiduvor&) = delete;
    frmdiduvor& operator=(const frmdiduvor&) = delete;
    ~frmdiduvor() override;

    HWND window() const { return window_; }
    const ChildWindows& children() const { return *children_; }
    const ChartFrame& chart() const { return *chart_; }
    const Table& table() const { return table_; }
    design::MainWindowHandlers& handlers() { return handlers_; }

    // Keyboard mode (before start()): the bet boxes join the Tab chain and
    // take keys, and Escape and Enter close the help.
    void setKeyboardMode(bool on);
    bool keyboardMode() const { return keyboardMode_; }

    // Runs the load handler, then shows the window with SPIN focused.
    void start(int showCommand = SW_SHOW);
    // What the main loop gives IsDialogMessage: the Tab chain, as a
    // dialog's.
    bool preTranslate(MSG& msg);

    // The menu item ids, in the design's order.
    static int menuId(const design::MenuItem& item);

    // What the handlers ask of Windows.
    void showHelpWindow() override;
    void showAboutWindow() override;
    void openAddress(const char* address) override;
    void unloadMainWindow() override;
    void unloadOtherWindows() override;
    void afterSpin() override;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void createControls();
    HMENU createMenus() const;
    void place(int dpi);
    void fireFor(int id);
    void endSession();

    WindowsServices& services_;
    HWND window_ = nullptr;
    std::unique_ptr<ChildWindows> children_;
    std::unique_ptr<ChartFrame> chart_;
    WindowTableView view_;
    Table table_;
    design::MainWindowHandlers handlers_{table_, *this};
    HWND lastFocus_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool unloaded_ = false;
    bool keyboardMode_ = false;
};

}  // namespace torvane::win
