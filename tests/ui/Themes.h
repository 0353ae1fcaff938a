// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QPalette>
#include <ostream>

namespace torvane::ui::testing {

// A desktop palette of a GTK theme as Qt gets it: Adwaita's light variant
// (a light face with dark grey, not black, text) or its dark one (a window
// face of (50,50,50)).
inline QPalette desktopPalette(bool dark) {
    QPalette p;
    const QColor face = dark ? QColor(50, 50, 50) : QColor(246, 245, 244);
    const QColor text = dark ? QColor(238, 238, 236) : QColor(46, 52, 54);
    const QColor base = dark ? QColor(45, 45, 45) : QColor(255, 255, 255);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, face);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, face);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, face.darker(dark ? 80 : 105));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Light, face.lighter(130));
        p.setColor(group, QPalette::Midlight, face.lighter(115));
        p.setColor(group, QPalette::Mid, face.darker(130));
        p.setColor(group, QPalette::Dark, face.darker(160));
        p.setColor(group, QPalette::Shadow, Qt::black);
        p.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return p;
}

// The toolkit's own default, and a light and a dark desktop theme.
enum class Theme { Default, Light, Dark };
inline const char* themeName(Theme theme) {
    return theme == Theme::Default ? "Default" : theme == Theme::Light ? "Light" : "Dark";
}
inline void PrintTo(Theme theme, std::ostream* os) {
    *os << themeName(theme);
}

}  // namespace torvane::ui::testing
