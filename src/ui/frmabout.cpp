// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/frmabout.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "design/AboutWindow.h"
#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui {

frmabout::frmabout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint) {
    const design::AboutWindowDesign& d = design::aboutWindow();
    setObjectName("frmaboutWindow");  // the frame inside carries the designed name
    setFont(qFont(d.window.font));
    setFixedSize(px(d.window.rect.width), px(d.window.rect.height));
    move(px(d.window.rect.left), px(d.window.rect.top));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(d.frame.name);
    frame->setGeometry(twipsRect(d.frame.rect));

    for (const design::Control& c : d.controls) {
        QWidget* widget = nullptr;
        if (c.kind == design::Kind::Image) {
            widget = new Picture(picturePath(c.picture), frame);
        } else if (c.kind == design::Kind::Button) {
            cmdok_ = new CaptionButton(c.text, frame);
            cmdok_->setAutoDefault(false);
            connect(cmdok_, &QPushButton::clicked, this, &frmabout::cmdok_Click);
            widget = cmdok_;
        } else {
            auto* label = new QLabel(c.text, frame);
            label->setFont(qFont(c.font));
            if (c.align == design::Align::Right) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->setWordWrap(c.wrap);
            if (c.autoSize) autoSized_.push_back(label);
            widget = label;
        }
        widget->setObjectName(c.name);
        widget->setGeometry(twipsRect(c.rect));
        if (c.accessibleName != nullptr) widget->setAccessibleName(c.accessibleName);
    }
    lblProductName_ = frame->findChild<QLabel*>("lblProductName");
    lblVersion_ = frame->findChild<QLabel*>("lblVersion");
    versionRight_ = lblVersion_->geometry().right();

    // Key preview: the window sees every key before the control with the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
        if (child != cmdok_) child->setFocusPolicy(Qt::NoFocus);
    }
    cmdok_->setFocus();
    Form_Load();
}

void frmabout::Form_Load() {
    lblVersion_->setText(QString::fromStdString(design::versionCaption()));
    lblProductName_->setText(QString::fromStdString(design::productNameCaption()));
    if (isVisible()) fitLabels();
}

// The auto-size labels follow their text; the version keeps its right edge.
// Measuring text loads fonts, so a window loaded hidden does it when shown.
void frmabout::fitLabels() {
    for (QLabel* label : autoSized_) label->adjustSize();
    QRect version = lblVersion_->geometry();
    version.moveRight(versionRight_);
    lblVersion_->setGeometry(version);
}

void frmabout::showEvent(QShowEvent* event) {
    fitLabels();
    QDialog::showEvent(event);
}

void frmabout::Form_KeyPress(int) {
    done(QDialog::Accepted);
}

void frmabout::cmdok_Click() {
    done(QDialog::Accepted);
}

// Any key that types a character (Enter, Escape, Space, letters, digits)
// closes the window; arrows, function keys and lone modifiers do not.
bool frmabout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty()) {
            Form_KeyPress(key->text().at(0).unicode());
        }
        return true;  // nothing else handles keys here
    }
    return QDialog::eventFilter(watched, event);
}

void frmabout::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace torvane::ui
