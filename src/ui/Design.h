// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "game/Colours.h"

// The windows are laid out in twips, as designed: 15 twips to a logical pixel
// at 96 dots per inch. Qt's high-DPI scaling takes it from there.
namespace torvane::ui {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to whole pixels, rounded; and to fractional pixels.
constexpr int px(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / 15;
}
constexpr double pxF(double twips) {
    return twips / kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

inline QColor qColor(Rgb c) {
    return {c.red, c.green, c.blue};
}

// The contrast of two colours as the web's accessibility guidelines define
// it, from 1 (the same) to 21 (black on white); 4.5 is what normal text needs.
double contrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;

inline constexpr Rgb kLightGreen{128, 255, 128};
inline constexpr Rgb kBetBoxGreen{0, 128, 0};
inline constexpr Rgb kLightYellow{255, 255, 192};

// The designed faces, "MS Sans Serif" and "Arial", resolve to faces Debian
// ships.
// Registers the compiled-in pictures, the font substitutes and the game's
// accessibility interfaces; call once, after the application object exists
// and before the first window.
void setUpResources();
QFont designFont(const char* family, double points, bool bold = false);
inline QFont windowFont() {
    return designFont("MS Sans Serif", 8.25);
}

}  // namespace torvane::ui
