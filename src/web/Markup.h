// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "design/Layout.h"

// The pieces the page is written from (web/PageMarkup.h writes the page):
// how texts, lengths, colours and fonts are written, and the markup of each
// window.
namespace torvane::web::markup {

// Text for an attribute or an element, with &, <, > and quotes escaped.
std::string escape(const std::string& text);
// A length in CSS pixels, to a thousandth, without trailing zeros.
std::string px(double pixels);
// A length in twips, in CSS pixels.
std::string twips(int value);
std::string rgb(Rgb c);
// The served faces for a designed face, with their fallbacks.
std::string fontFamilies(design::Face face);
// A CSS font shorthand for a designed font.
std::string font(const design::Font& f);
// ` name="value"`, the value escaped.
std::string attribute(const char* name, const std::string& value);

// One designed control's element, as the page shows it.
std::string control(const design::Control& c);
// The main window: its menu bar and client area with every control.
std::string mainWindow();
// The templates the modal windows are made from when shown.
std::string helpTemplate();
std::string aboutTemplate();
std::string messageTemplate();

}  // namespace torvane::web::markup
