// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Design.h"

#include <algorithm>
#include <cmath>

#include "ui/Accessibility.h"

namespace torvane::ui {

namespace {

// "MS Sans Serif" becomes FreeSans, narrow enough that every designed caption
// fits its designed box at the designed size; "Arial" becomes Liberation
// Sans, which has Arial's metrics. Each with fallbacks.
QStringList facesFor(const QString& designed) {
    if (designed == "MS Sans Serif") return {"FreeSans", "Liberation Sans"};
    if (designed == "Arial") return {"Liberation Sans", "Arimo"};
    return {designed};
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Names the installed faces directly, so no time goes into looking for a
// face that is not there.
QFont designFont(const char* family, double points, bool bold) {
    QFont font;
    font.setFamilies(facesFor(family));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace torvane::ui

// The pictures are compiled into this static library; register them before use.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace torvane::ui {

void setUpResources() {
    registerPictures();
    // Lets fonts named by their designed face (QFont("Arial")) resolve too.
    for (const char* designed : {"MS Sans Serif", "Arial"}) {
        QFont::insertSubstitutions(designed, facesFor(designed));
    }
    installAccessibility();
}

}  // namespace torvane::ui
