// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The desktop game on a German desktop (LANGUAGE=de, LC_ALL=de_DE.UTF-8,
// set before Qt first reads them): the German catalogue where the desktop's
// language says so, and exactly the designed English where --language asks
// for English or for a language without a catalogue.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLocale>
#include <QMenuBar>
#include <map>

#include "LeakCheck.h"
#include "WindowFixture.h"
#include "design/DesignTexts.h"
#include "game/Texts.h"
#include "ui/Design.h"
#include "ui/PlayerLanguage.h"

namespace torvane::ui::testing {
namespace {

// The text a widget shows: a label's, a button's, a field's, a frame's title.
std::string shown(const QWidget* w) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title().toStdString();
    return w->property("text").toString().toStdString();
}

// Each text field of the windows that a widget shows, by its context
// ("cmdspin.text"), as the design has it in the language in use.
std::map<std::string, std::string> designedTexts() {
    std::map<std::string, std::string> texts;
    const auto collect = [&](auto design) {
        design::forEachText(
            design, [&](const std::string& context, const char*& text) { texts[context] = text; });
    };
    collect(design::mainWindow());
    collect(design::aboutWindow());
    // What the About window's load writes over its designed caption.
    texts["lblVersion.text"] = design::versionCaption();
    return texts;
}

// What every window of the game shows, by the same contexts: each control's
// text, accessible name and description, each menu's title and each item's caption.
std::map<std::string, std::string> shownTexts(const frmdiduvor& window, const QWidget& about) {
    std::map<std::string, std::string> texts;
    for (const QWidget* root : {static_cast<const QWidget*>(&window), &about}) {
        for (const QWidget* w : root->findChildren<const QWidget*>()) {
            const std::string name = w->objectName().toStdString();
            if (name.empty()) continue;
            const std::pair<const char*, QString> fields[] = {
                {".text", QString::fromStdString(shown(w))},
                {".accessibleName", w->accessibleName()},
                {".description", w->accessibleDescription()}};
            for (const auto& [field, text] : fields) {
                if (!text.isEmpty()) texts[name + field] = text.toStdString();
            }
        }
    }
    for (const QAction* menu : window.menuBar()->actions()) {
        texts[menu->menu()->objectName().toStdString() + ".title"] = menu->text().toStdString();
        for (const QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator())
                texts[item->objectName().toStdString() + ".caption"] = item->text().toStdString();
        }
    }
    return texts;
}

// The main window after start-up, in the language in use.
struct Game : WindowFixture {
    void TestBody() override {}
};

TEST(GermanDesktop, ShowsTheGermanWindowMenusMessagesAndHelp) {
    ASSERT_TRUE(QLocale::system().uiLanguages().value(0).startsWith("de"))
        << "the German desktop's languages";
    ASSERT_EQ(usePlayerLanguage(QString()), "de");
    Game t;
    EXPECT_EQ(t.window.menuBar()->actions().value(0)->text(), "Datei");
    EXPECT_EQ(t.text("Label4"), "GEWINN");
    t.click("cmdtransfer");
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.services.messages[0].title, "Übertragung nicht möglich");
    EXPECT_EQ(t.services.messages[0].prompt, lang::text(texts::kNoWinningsPrompt));
    EXPECT_TRUE(frmhelp::helpText().startsWith("               SO SPIELT MAN TORVANE.\r\n"))
        << frmhelp::helpText().toStdString();
    // Qt's own texts, such as a text field's menu, from Qt's German catalogue.
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
    usePlayerLanguage(QStringList{"en"});
}

// English asked for, or a language that has no catalogue: every text of
// every window is the designed English, and so are Qt's own.
class AskedOnAGermanDesktop : public ::testing::TestWithParam<const char*> {};

TEST_P(AskedOnAGermanDesktop, GivesTheDesignedEnglish) {
    ASSERT_TRUE(QLocale::system().uiLanguages().value(0).startsWith("de"));
    ASSERT_EQ(usePlayerLanguage(QString(GetParam())), "en");
    Game t;
    frmabout about(&t.window);
    const auto english = designedTexts();
    const auto texts = shownTexts(t.window, about);
    int compared = 0;
    for (const auto& [context, text] : texts) {
        const auto designed = english.find(context);
        if (designed == english.end()) continue;
        EXPECT_EQ(text, designed->second) << context;
        ++compared;
    }
    EXPECT_GE(compared, 40) << "too few of the windows' texts were found to compare";
    EXPECT_EQ(frmhelp::helpText().toStdString(), design::helpText());
    EXPECT_TRUE(frmhelp::helpText().startsWith("               HOW TO PLAY TORVANE.\r\n"));
    t.click("cmdtransfer");
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(t.services.messages[0].title, "Tranfer Violation");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Undo");
}

INSTANTIATE_TEST_SUITE_P(, AskedOnAGermanDesktop, ::testing::Values("en", "xx", "C"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace torvane::ui::testing

int main(int argc, char* argv[]) {
    // A German desktop, as its session would set it (locales-all has the locale).
    qputenv("LANGUAGE", "de");
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    torvane::ui::setUpResources();
    const int status = RUN_ALL_TESTS();
    torvane::ui::testing::clearStaleEventReferences();
    return status;
}
