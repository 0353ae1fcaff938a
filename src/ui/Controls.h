// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// Small controls that Qt does not have as such.
namespace torvane::ui {

// A label that reports the release of a mouse button pressed on it, with the
// button code (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl,
// 4 Alt) and the position in twips.
class BetBox : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void mouseUp(int button, int shift, float x, float y);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
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
    ChartLine(QWidget* parent, int x, int y1, int y2, int widthPx);

    float y2() const { return y2_; }
    void setY2(float y2);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int x_;
    int y1_;
    float y2_;
    int width_;
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
