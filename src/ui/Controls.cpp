// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Controls.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <cmath>

#include "design/KeyboardMode.h"
#include "game/Table.h"
#include "ui/Design.h"

namespace torvane::ui {

void BetBox::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = kLeftButton;
            break;
        case Qt::RightButton:
            button = kRightButton;
            break;
        case Qt::MiddleButton:
            button = kMiddleButton;
            break;
        default:
            break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int shift = (mods.testFlag(Qt::ShiftModifier) ? kShiftMask : 0) |
                      (mods.testFlag(Qt::ControlModifier) ? kCtrlMask : 0) |
                      (mods.testFlag(Qt::AltModifier) ? kAltMask : 0);
    event->accept();
    if (button != 0) {
        const QPointF at = event->position() * kTwipsPerPixel;
        emit mouseUp(button, shift, static_cast<float>(at.x()), static_cast<float>(at.y()));
    }
}

void BetBox::postRelease(int button) {
    if (QApplication::activeModalWidget() != nullptr) return;
    QMetaObject::invokeMethod(
        this,
        [this, button] {
            // A message box opened by an earlier release runs its own event
            // loop, in which this call may come due: the box is blocked then.
            if (QApplication::activeModalWidget() == nullptr) emit mouseUp(button, 0, 0, 0);
        },
        Qt::QueuedConnection);
}

void BetBox::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() == Qt::NoFocus) {
        QLabel::keyPressEvent(event);
        return;
    }
    design::BetBoxKey key{};
    switch (event->key()) {
        case Qt::Key_Plus:
            key = design::BetBoxKey::Plus;
            break;
        case Qt::Key_Space:
            key = design::BetBoxKey::Space;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = design::BetBoxKey::Enter;
            break;
        case Qt::Key_Minus:
            key = design::BetBoxKey::Minus;
            break;
        case Qt::Key_Delete:
            key = design::BetBoxKey::Delete;
            break;
        case Qt::Key_Backspace:
            key = design::BetBoxKey::Backspace;
            break;
        default:
            QLabel::keyPressEvent(event);
            return;
    }
    event->accept();
    const design::KeyRelease release = design::releaseFor(key);
    if (event->isAutoRepeat() && !release.repeats) return;
    const int button = release.button;
    emit mouseUp(button, 0, 0, 0);
}

void BetBox::setEdgeColours(QColor edge, QColor focus) {
    edge_ = edge;
    focus_ = focus;
    update();
}

// The face in the palette's window colour inside a one-pixel edge, or a
// two-pixel focus frame; the stake centred in the palette's text colour in
// what the edge leaves, its top counted at one pixel whatever the edge: the
// stake rises by a pixel under the focus frame, as it always has.
void BetBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int edge = hasFocus() ? 2 : 1;
    painter.fillRect(rect(), hasFocus() ? focus_ : edge_);
    painter.fillRect(rect().adjusted(edge, edge, -edge, -edge), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(edge, 1, -edge, 1 - 2 * edge), static_cast<int>(alignment()),
                     text());
}

QRect CaptionButton::captionRect() const {
    return rect().adjusted(3, 2, -3, -2);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QRect caption = captionRect();
    if (isDown()) caption.translate(1, 1);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextWordWrap, text());
}

ChartLine::ChartLine(QWidget* parent, int x, int y1, int y2, int widthPx, QColor colour)
    : QWidget(parent),
      x_(x),
      y1_(y1),
      y2_(static_cast<float>(y2)),
      width_(widthPx),
      colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setY2(y2_);
}

void ChartLine::setY2(float y2) {
    y2_ = y2;
    const int top = static_cast<int>(std::lround(pxF(std::min<double>(y1_, y2))));
    const int bottom = static_cast<int>(std::lround(pxF(std::max<double>(y1_, y2))));
    setGeometry(px(x_) - width_ / 2, top, width_, std::max(1, bottom - top));
    update();
}

void ChartLine::setShare(BarShare share) {
    share_ = share;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void ChartLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

void HelpPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

CaptionFrame::CaptionFrame(const QString& caption, QColor text, QColor background, QWidget* parent)
    : QGroupBox(caption, parent), text_(text), background_(background) {}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const QFontMetrics metrics(font());
    const int edge = metrics.height() / 2;
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, edge, -1, -1));
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, background_);
    painter.setPen(text_);
    painter.drawText(caption, Qt::AlignCenter, title());
}

BlackOnFaceLabel::BlackOnFaceLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    followFace();
}

void BlackOnFaceLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) followFace();
    QLabel::changeEvent(event);
}

void BlackOnFaceLabel::followFace() {
    const QColor face = palette().color(QPalette::Window);
    const QColor wanted = contrastRatio(Qt::black, face) >= kReadableContrast
                              ? QColor(Qt::black)
                              : QApplication::palette(this).color(QPalette::WindowText);
    if (palette().color(QPalette::WindowText) == wanted) return;  // also ends the recursion
    QPalette p = palette();
    p.setColor(QPalette::WindowText, wanted);
    setPalette(p);
}

Picture::Picture(QString resource, QWidget* parent)
    : QWidget(parent), resource_(std::move(resource)) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::paintEvent(QPaintEvent*) {
    QSvgRenderer renderer(resource_);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter painter(this);
    renderer.render(&painter, QRectF(rect()));
}

}  // namespace torvane::ui
