// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace torvane::ui {

// Puts the player's language in use before any window reads its design:
// `asked` (--language) when it is given, or else the first of the desktop's
// languages (QLocale::uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that has a catalogue; English when none has. Qt's own texts (a text
// field's menu, the message boxes' buttons) follow where Qt has the
// language. Returns the language now in use.
std::string usePlayerLanguage(const QString& asked);

// The same choice from a list of languages, for the tests.
std::string usePlayerLanguage(const QStringList& preferred);

}  // namespace torvane::ui
