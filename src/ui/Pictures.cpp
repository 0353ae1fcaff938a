// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Pictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

namespace torvane::ui {
namespace {

// Draws the picture into a transparent pixmap of the size asked for, kept
// for the next time; scaled to fit, its proportions kept. The file is read
// once, when first drawn.
class SvgIconEngine : public QIconEngine {
  public:
    explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        auto& pixmap = drawn_[{size.width(), size.height(), mode}];
        if (!pixmap.isNull()) return pixmap;
        const QSize fitted = actualSize(size, mode, state);
        if (fitted.isEmpty()) return {};
        QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter painter(&image);
        renderer().render(&painter);
        painter.end();
        pixmap = QPixmap::fromImage(image);
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize fitted = renderer().defaultSize();
        if (!fitted.isNull()) fitted.scale(size, Qt::KeepAspectRatio);
        return fitted;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    // The sizes a window manager takes a window's icon in, at most 64
    // pixels: larger ones it draws from the icon the desktop entry installs.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }
    QString key() const override { return QStringLiteral("torvane-svg"); }

  private:
    QSvgRenderer& renderer() {
        if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(resource_);
        return *renderer_;
    }

    QString resource_;
    std::unique_ptr<QSvgRenderer> renderer_;
    std::map<std::tuple<int, int, QIcon::Mode>, QPixmap> drawn_;
};

// Stands for a standard icon of the style and loads it the first time it is
// drawn.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(const QProxyStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }
    QString key() const override { return QStringLiteral("torvane-deferred"); }

  private:
    const QIcon& icon() {
        if (!loaded_) {
            icon_ = style_->baseStyle()->standardIcon(which_);
            loaded_ = true;
        }
        return icon_;
    }

    const QProxyStyle* style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

}  // namespace

QIcon svgIcon(const QString& resource) {
    return QIcon(new SvgIconEngine(resource));
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new DeferredIconEngine(this, which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace torvane::ui
