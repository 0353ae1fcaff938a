// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/frmabout.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "game/Message.h"
#include "game/Table.h"
#include "ui/Controls.h"
#include "ui/Design.h"

namespace torvane::ui {
namespace {

QLabel* aboutLabel(QWidget* frame, const char* name, const QString& text, QRect geometry,
                   const QFont& font) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

frmabout::frmabout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint) {
    setObjectName("frmaboutWindow");
    setFont(windowFont());
    setFixedSize(px(7380), px(4245));
    move(px(2340), px(2445));

    auto* frame = new QGroupBox(this);
    frame->setObjectName("frmabout");
    frame->setGeometry(twipsRect(150, 60, 7080, 4050));

    auto* logo = new Picture(":/pictures/racing-car.svg", frame);
    logo->setObjectName("imgLogo");
    logo->setGeometry(twipsRect(360, 510, 1815, 2385));
    logo->setAccessibleName("A green racing car");

    aboutLabel(frame, "lblCompanyProduct", QString("Torvane Tables \u00A9"),
               twipsRect(2355, 600, 1845, 435), designFont("Arial", 18, true));
    lblProductName_ = aboutLabel(frame, "lblProductName", "", twipsRect(2340, 990, 180, 765),
                                 designFont("Arial", 32.25, true));
    lblVersion_ = aboutLabel(frame, "lblVersion", "Version:", twipsRect(5865, 2070, 975, 285),
                             designFont("Arial", 12, true));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    versionRight_ = lblVersion_->geometry().right();

    cmdok_ = new CaptionButton("OK", frame);
    cmdok_->setObjectName("cmdok");
    cmdok_->setGeometry(twipsRect(2670, 2280, 915, 525));
    cmdok_->setAutoDefault(false);
    connect(cmdok_, &QPushButton::clicked, this, &frmabout::cmdok_Click);

    const QFont small = designFont("Arial", 8.25);
    aboutLabel(frame, "lblCopyright", QString("Copyright \u00A9 2025-2026"),
               twipsRect(4170, 2640, 2805, 255), small);
    aboutLabel(frame, "lblCompany", QString("Company: Torvane Tables \u00A9"),
               twipsRect(4170, 2850, 2415, 255), small);
    QLabel* warning = aboutLabel(
        frame, "lblWarning",
        "Warning: a game of play money only. It pays nothing real and teaches no winning "
        "method.",
        twipsRect(360, 3180, 6480, 480), small);
    warning->setWordWrap(true);

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
    lblVersion_->setText("Version " + QString::fromStdString(Table::versionText()));
    lblProductName_->setText(kAppTitle);
    if (isVisible()) fitLabels();
}

// The auto-size labels follow their text; the version keeps its right edge.
// Measuring text loads fonts, so a window loaded hidden does it when shown.
void frmabout::fitLabels() {
    for (const char* name : {"lblCompanyProduct", "lblProductName", "lblVersion"}) {
        findChild<QLabel*>(name)->adjustSize();
    }
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
