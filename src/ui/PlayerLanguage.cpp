// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/PlayerLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <vector>

#include "lang/Language.h"

namespace torvane::ui {

std::string usePlayerLanguage(const QStringList& preferred) {
    std::vector<std::string> list;
    for (const QString& language : preferred) list.push_back(language.toStdString());
    std::string chosen = lang::choose(list);
    lang::use(chosen);

    // Qt's own catalogue for that language, from Debian's
    // qt6-translations-l10n; the game's own texts do not depend on it.
    static QTranslator qtTexts;
    QCoreApplication::removeTranslator(&qtTexts);
    if (chosen != "en" && qtTexts.load("qtbase_" + QString::fromStdString(chosen),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    return chosen;
}

std::string usePlayerLanguage(const QString& asked) {
    return usePlayerLanguage(asked.isEmpty() ? QLocale::system().uiLanguages()
                                             : QStringList{asked});
}

}  // namespace torvane::ui
