// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "design/Layout.h"
#include "game/Colours.h"

// The designed windows in Qt's terms: twips become logical pixels (15 to a
// pixel at 96 dots per inch; Qt's high-DPI scaling takes it from there),
// colours QColors and designed fonts the faces Debian ships.
namespace torvane::ui {

using design::kLightGreen;
inline constexpr double kTwipsPerPixel = design::kTwipsPerPixel;

// Twips to whole pixels, rounded; and to fractional pixels.
constexpr int px(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / 15;
}
constexpr double pxF(double twips) {
    return twips / kTwipsPerPixel;
}

inline QRect twipsRect(const design::Twips& t) {
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

inline QColor qColor(Rgb c) {
    return {c.red, c.green, c.blue};
}

// The contrast of two colours as the web's accessibility guidelines define
// it, from 1 (the same) to 21 (black on white); 4.5 is what normal text needs.
double contrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;

// Registers the compiled-in pictures, the font substitutes and the game's
// accessibility interfaces; call once, after the application object exists
// and before the first window.
void setUpResources();
// A designed font, naming the installed faces directly, so no time goes into
// looking for a face that is not there.
QFont qFont(const design::Font& font);
// The designed picture `file` (in pictures/), as a resource path.
QString picturePath(const char* file);

}  // namespace torvane::ui
