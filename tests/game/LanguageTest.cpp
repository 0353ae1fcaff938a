// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The player's language in the rules: which catalogue a list of languages
// picks, and that the rules' messages and readings come from it.
#include <gtest/gtest.h>

#include "design/Layout.h"
#include "design/Readings.h"
#include "game/Texts.h"
#include "lang/Language.h"
#include "support/InLanguage.h"
#include "support/TableFixture.h"

namespace torvane::testing {
namespace {

TEST(Language, TheFirstLanguageWithACatalogueWins) {
    const struct {
        std::vector<std::string> preferred;
        const char* chosen;
    } cases[] = {
        {{"de_DE.UTF-8"}, "de"},
        {{"fr-CA", "de"}, "fr"},  // a region without a catalogue of its
                                  // own
        {{"pt-BR"}, "pt_BR"},
        {{"pt_PT"}, "pt_BR"},  // the language's only catalogue
        {{"xx", "ES"}, "es"},  // an unknown one is passed over
        {{"af_ZA@euro"}, "af"},
        {{"en-GB", "de"}, "en"},  // English counts as a catalogue
        {{"C", "de"}, "en"},
        {{"xx", ""}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases) {
        std::string list;
        for (const std::string& p : c.preferred) list += p + " ";
        EXPECT_EQ(lang::choose(c.preferred), c.chosen) << list;
    }
    EXPECT_FALSE(lang::use("xx"));
    EXPECT_EQ(lang::current(), "en");
}

TEST(Language, AnAccessLetterIsAWholeCharacterWhereTheCaptionMarksIt) {
    EXPECT_EQ(design::accessLetter("\u00C0 &propos"), "p");
    // The mark stands after the capital A grave's two bytes and the blank.
    EXPECT_EQ(design::accessMarkAt("\u00C0 &propos"), 3u);
    EXPECT_EQ(design::accessLetter("&\u00DCber"), "\u00DC");
    EXPECT_EQ(design::accessLetter("New Game"), "");
    EXPECT_EQ(design::withoutAccessMark("A&yuda"), "Ayuda");
}

TEST(Language, PlaceholdersAreFilledOnceEach) {
    // A typed text that holds "%2" stays as typed.
    EXPECT_EQ(lang::format("%2 (\"%1\") %3%", {"50%2", "the bank", "67"}),
              "the bank (\"50%2\") 67%");
    EXPECT_EQ(lang::format("%1 and %4", {"one"}), "one and %4");
}

// In each language the rules' own messages come from its catalogue: a
// refusal, and a failure message with the typed text in it. In English
// they are the designed texts (as the other tests check byte for byte).
class RulesInLanguage : public ::testing::TestWithParam<std::string> {};

TEST_P(RulesInLanguage, MessagesAndReadingsComeFromItsCatalogue) {
    const InLanguage language(GetParam());
    TableFixture t;
    t.transfer();
    t.view.bank = "lots";
    t.click(Box::Left);
    ASSERT_EQ(t.services.messages.size(), 2u);
    const Message& refusal = t.services.messages[0];
    const Message& failure = t.services.messages[1];
    EXPECT_EQ(refusal.title, lang::text(texts::kNoWinningsTitle));
    EXPECT_EQ(refusal.prompt, lang::text(texts::kNoWinningsPrompt));
    EXPECT_NE(failure.prompt.find("lots"), std::string::npos) << failure.prompt;
    EXPECT_NE(failure.prompt.find(lang::text(texts::kBankText)), std::string::npos)
        << failure.prompt;
    const std::string reading = design::chartLineReading(BarShare{1, 3});
    EXPECT_NE(reading.find('3'), std::string::npos) << reading;
    if (GetParam() != "en") {
        EXPECT_NE(refusal.title, texts::kNoWinningsTitle.english);
        EXPECT_NE(refusal.prompt, texts::kNoWinningsPrompt.english);
        EXPECT_EQ(failure.prompt.find(" could not be completed: "), std::string::npos)
            << failure.prompt;
        EXPECT_NE(reading, "1 of 3 presses, 33%");
    }
}

INSTANTIATE_TEST_SUITE_P(, RulesInLanguage, ::testing::ValuesIn(lang::available()),
                         [](const auto& info) { return info.param; });

TEST(Language, AFormForEachCountAsTheCatalogueSays) {
    // French takes the singular for 0 and 1, Spanish for 1 only.
    const lang::Text reading =
        lang::NP_("chartLine.reading", "%1 of %2 presses, %3%", "%1 of %2 presses, %3%");
    {
        const InLanguage french("fr");
        EXPECT_STREQ(lang::text(reading, 0), lang::text(reading, 1));
        EXPECT_STRNE(lang::text(reading, 1), lang::text(reading, 2));
    }
    {
        const InLanguage spanish("es");
        EXPECT_STRNE(lang::text(reading, 0), lang::text(reading, 1));
        EXPECT_STREQ(lang::text(reading, 0), lang::text(reading, 2));
    }
    EXPECT_STREQ(lang::text(reading, 1), "%1 of %2 presses, %3%");
}

}  // namespace
}  // namespace torvane::testing
