// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/frmhelp.h"

#include <QKeyEvent>

#include "design/HelpWindow.h"
#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui {
frmhelp::frmhelp(QWidget* parent, bool keyboardMode)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), keyboardMode_(keyboardMode) {
    const design::HelpWindowDesign& d = design::helpWindow();
    setObjectName(d.window.name);
    setFont(qFont(d.window.font));
    setFixedSize(px(d.window.rect.width), px(d.window.rect.height));
    QPalette blue = palette();
    blue.setColor(QPalette::Window, qColor(*d.window.back));
    setPalette(blue);
    setAutoFillBackground(true);

    auto* panel = new HelpPanel(this);
    connect(panel, &HelpPanel::clicked, this, &frmhelp::lblhelp_Click);
    lblhelp_ = panel;
    lblhelp_->setObjectName(d.lblhelp.name);
    lblhelp_->setGeometry(twipsRect(d.lblhelp.rect));
    lblhelp_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblhelp_->setWordWrap(d.lblhelp.wrap);
    lblhelp_->setTextFormat(Qt::PlainText);
    QPalette yellow = lblhelp_->palette();
    yellow.setColor(QPalette::Window, qColor(*d.lblhelp.back));
    yellow.setColor(QPalette::WindowText, qColor(*d.lblhelp.fore));
    lblhelp_->setPalette(yellow);
    lblhelp_->setAutoFillBackground(true);
    Form_Load();
}

QString frmhelp::helpText() {
    return QString::fromStdString(design::helpText());
}

// Places the window where the design puts it and fills the panel. The label
// is shown with plain line breaks: a lone CR would otherwise be drawn as a
// glyph.
void frmhelp::Form_Load() {
    const design::Twips& at = design::helpWindow().window.rect;
    move(px(at.left), px(at.top));
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
