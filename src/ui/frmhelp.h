// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QDialog>
#include <QLabel>

namespace torvane::ui {

// The rules of the game on a light-yellow panel in a blue, borderless window.
// A click on the text closes it; keys do nothing, except in keyboard mode,
// where Escape and Enter close it too.
class frmhelp : public QDialog {
    Q_OBJECT
  public:
    explicit frmhelp(QWidget* parent = nullptr, bool keyboardMode = false);

    // The help text, with CR LF pairs between its lines.
    static QString helpText();
    // lblhelp's caption as set, CR LF pairs included.
    QString caption() const { return caption_; }

    void Form_Load();
    void lblhelp_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* lblhelp_;
    QString caption_;
    bool keyboardMode_;
};

}  // namespace torvane::ui
