// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "game/TableView.h"

// Small controls that Qt does not have as such.
namespace torvane::ui {

// A label that reports the release of a mouse button pressed on it, with the
// button code (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl,
// 4 Alt) and the position in twips.
//
// A box takes the focus only in keyboard mode. Focused, it reports the keys
// that stand for a release: Space, Enter and + (also on the keypad) as the
// left button, -, Delete and Backspace as the right one, with shift 0 and
// position 0, 0. A held + or - repeats; the other keys act once per press.
class BetBox : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // Reports `button` as a release on this box, posted to the event loop,
    // unless a modal window is open when it is posted or when it comes due.
    // For assistive technology, which must not wait for the handler.
    void postRelease(int button);

    // The box's edge: `edge` around it, a frame of `focus` two pixels wide
    // while it has the keyboard focus (only in keyboard mode).
    void setEdgeColours(QColor edge, QColor focus);

  signals:
    void mouseUp(int button, int shift, float x, float y);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor edge_ = Qt::black;
    QColor focus_ = Qt::yellow;
};

// A push button whose caption wraps at word boundaries when it does not fit
// on one line, keeping text() as designed.
class CaptionButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;
    // The rectangle the caption is drawn in.
    QRect captionRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A vertical chart line with a fixed lower end and a moving top end `Y2`,
// both in twips relative to its container.
class ChartLine : public QWidget {
    Q_OBJECT
  public:
    ChartLine(QWidget* parent, int x, int y1, int y2, int widthPx, QColor colour);

    float y2() const { return y2_; }
    void setY2(float y2);

    // What the height was last drawn from; nullopt until the chart first
    // redraws the line. Setting it tells assistive technology.
    const std::optional<BarShare>& share() const { return share_; }
    void setShare(BarShare share);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int x_;
    int y1_;
    float y2_;
    int width_;
    QColor colour_;
    std::optional<BarShare> share_;
};

// The help window's text panel: reports a click, a press and release of the
// left button on it.
class HelpPanel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A frame with its caption set into the top edge, drawn in the given colours.
class CaptionFrame : public QGroupBox {
    Q_OBJECT
  public:
    CaptionFrame(const QString& caption, QColor text, QColor background, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor text_;
    QColor background_;
};

// A label designed with black text on the toolkit's default face. The text
// stays exactly black wherever black reads (a light face, as designed); on a
// face too dark for it, as in a dark desktop theme, it takes the theme's own
// window text colour. It follows theme changes while the game runs.
class BlackOnFaceLabel : public QLabel {
    Q_OBJECT
  public:
    BlackOnFaceLabel(const QString& text, QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void followFace();
};

// A picture from an SVG resource, stretched to fill the widget.
class Picture : public QWidget {
    Q_OBJECT
  public:
    Picture(QString resource, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
};

}  // namespace torvane::ui
