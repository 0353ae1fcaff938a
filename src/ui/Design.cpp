// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Design.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include <QApplication>

#include "ui/Accessibility.h"
#include "ui/Pictures.h"

namespace torvane::ui {

namespace {

QStringList facesFor(design::Face face) {
    QStringList faces;
    for (const std::string& family : design::substituteFamilies(face)) {
        faces << QString::fromStdString(family);
    }
    return faces;
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

// The first of a face's substitutes that is installed, chosen once: a font
// named by one family only is found without a search through fallbacks.
QString installedFamily(design::Face face) {
    static const auto chosen = [] {
        // The installed families as listed, without asking fontconfig for
        // aliases (which is what makes QFontDatabase::hasFamily slow).
        const QStringList installedFamilies = QFontDatabase::families();
        QHash<design::Face, QString> families;
        for (const auto f : {design::Face::MsSansSerif, design::Face::Arial}) {
            const QStringList faces = facesFor(f);
            const auto installed = std::find_if(
                faces.begin(), faces.end(),
                [&](const QString& family) { return installedFamilies.contains(family); });
            families.insert(f, installed != faces.end() ? *installed : faces.front());
        }
        return families;
    }();
    return chosen.value(face);
}

// Made once for each designed font; the windows share the copies.
QFont qFont(const design::Font& designed) {
    static std::map<std::tuple<design::Face, double, bool>, QFont> made;
    const auto [at, isNew] = made.try_emplace({designed.face, designed.points, designed.bold});
    QFont& font = at->second;
    if (isNew) {
        font.setFamily(installedFamily(designed.face));
        font.setPointSizeF(designed.points);
        font.setWeight(designed.bold ? QFont::Bold : QFont::Normal);
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

QString picturePath(const char* file) {
    return QString(":/pictures/") + file;
}

}  // namespace torvane::ui

// The pictures are compiled into this static library; register them before use.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace torvane::ui {

void setUpResources() {
    registerPictures();
    QApplication::setStyle(new DeferredIconStyle);
    // Lets fonts named by their designed face (QFont("Arial")) resolve too.
    for (const auto face : {design::Face::MsSansSerif, design::Face::Arial}) {
        QFont::insertSubstitutions(design::designedFamily(face), facesFor(face));
    }
    installAccessibility();
}

}  // namespace torvane::ui
