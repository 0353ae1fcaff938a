// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QPointer>
#include <QWidget>

#include "game/Generator.h"
#include "ui/DesktopServices.h"

namespace torvane::ui {

class frmabout;
class frmhelp;

// The desktop as the program sees it: QMessageBox, the local time, the
// game's generator, QDesktopServices, and the one instance each of the help
// and About windows.
class QtDesktopServices : public DesktopServices {
  public:
    QtDesktopServices();
    ~QtDesktopServices() override;
    QtDesktopServices(const QtDesktopServices&) = delete;
    QtDesktopServices& operator=(const QtDesktopServices&) = delete;

    void setMainWindow(QWidget* window) override;
    void showMessage(const Message& message) override;
    void loadAboutWindow() override;
    int secondOfMinute() override;
    float nextRandom() override;
    void showHelpWindow() override;
    void showAboutWindow() override;
    void unloadWindows() override;
    void setKeyboardMode(bool on) override;
    void openUrl(const QUrl& url) override;

    // The loaded windows, or null when not loaded.
    frmabout* aboutWindow() const;
    frmhelp* helpWindow() const;

  private:
    template <class Window>
    static void unload(QPointer<Window>& window, bool inModalLoop);

    QPointer<QWidget> mainWindow_;
    QPointer<frmabout> about_;
    QPointer<frmhelp> help_;
    bool aboutShowing_ = false;  // in its modal loop
    bool helpShowing_ = false;
    Generator generator_;
    bool keyboardMode_ = false;
};

}  // namespace torvane::ui
