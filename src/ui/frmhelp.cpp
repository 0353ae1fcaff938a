// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/frmhelp.h"

#include <QKeyEvent>

#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui {
frmhelp::frmhelp(QWidget* parent, bool keyboardMode)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), keyboardMode_(keyboardMode) {
    setObjectName("frmhelp");
    setFont(windowFont());
    setFixedSize(px(4680), px(3465));
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(blue);
    setAutoFillBackground(true);

    auto* panel = new HelpPanel(this);
    connect(panel, &HelpPanel::clicked, this, &frmhelp::lblhelp_Click);
    lblhelp_ = panel;
    lblhelp_->setObjectName("lblhelp");
    lblhelp_->setGeometry(twipsRect(90, 120, 4485, 3195));
    lblhelp_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblhelp_->setWordWrap(true);
    lblhelp_->setTextFormat(Qt::PlainText);
    QPalette yellow = lblhelp_->palette();
    yellow.setColor(QPalette::Window, qColor(kLightYellow));
    yellow.setColor(QPalette::WindowText, Qt::black);
    lblhelp_->setPalette(yellow);
    lblhelp_->setAutoFillBackground(true);
    Form_Load();
}

QString frmhelp::helpText() {
    const QString crlf = "\r\n";
    return QString(15, ' ') + "HOW TO PLAY TORVANE." + crlf + crlf +
           " To play Torvane is similar to playing real Diduvor's bottom 3 to 1." + crlf +
           " 1. To place or increase your bets, left click on the appropriate dark green box at "
           "the bottom of the Torvane table." +
           crlf +
           " 2. To decrease bets and deposit it back into your bank, right click on the bet/s, at "
           "the bottom dark green box." +
           crlf +
           " 3. If you would like to deposit more money into your bank just change the (Money in "
           "the bank) value." +
           crlf +
           " 4. If you want to increase/decrease the amounts you bet on the table just alter the "
           "value of the (Bet increment)." +
           crlf + " 5. To instantly double the increment, click on the yellow up/down arrows." +
           crlf + " 6. To bank your winnings click on (Transfer winnings to bank).";
}

// Places the window at 3805, 3000 twips from the screen's corner and fills
// the panel. The label is shown with plain line breaks: a lone CR would
// otherwise be drawn as a glyph.
void frmhelp::Form_Load() {
    move(px(3805), px(3000));
    caption_ = helpText();
    QString shown = caption_;
    shown.replace("\r\n", "\n");
    lblhelp_->setText(shown);
}

void frmhelp::lblhelp_Click() {
    done(QDialog::Accepted);
}

// Keys do nothing, Escape included; in keyboard mode Escape and Enter close
// the window as a click on the text does.
void frmhelp::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!keyboardMode_) return;
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            lblhelp_Click();
            break;
        default:
            break;
    }
}

}  // namespace torvane::ui
