// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QIcon>
#include <QProxyStyle>

// Pictures drawn only when first shown. Qt's own way to an icon from an SVG
// file loads its icon-engine plugin at start; the menu bar's overflow
// button, which shows only when the menus do not fit, decodes its pictures
// and scans the image plugins at start. Neither is needed for the first
// frame.
namespace torvane::ui {

// An icon drawn from an SVG resource by QSvgRenderer, at each size the
// first time it is asked for, as Qt's SVG icon engine draws it.
QIcon svgIcon(const QString& resource);

// The application's style, with the pictures of the overflow buttons of
// tool and menu bars loaded only when they are first drawn; everything else
// is the style's own.
class DeferredIconStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace torvane::ui
