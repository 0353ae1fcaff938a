// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;

namespace torvane::ui {

// The product name, the version, a picture and the ownership lines, on one
// panel without a title bar. OK or any key that types a character closes it.
class frmabout : public QDialog {
    Q_OBJECT
  public:
    explicit frmabout(QWidget* parent = nullptr);

    void Form_Load();
    void Form_KeyPress(int keyAscii);
    void cmdok_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void fitLabels();

    QLabel* lblProductName_;
    QLabel* lblVersion_;
    QPushButton* cmdok_ = nullptr;
    std::vector<QLabel*> autoSized_;  // follow their text when shown
    int versionRight_ = 0;            // the version keeps its right edge as it grows
};

}  // namespace torvane::ui
