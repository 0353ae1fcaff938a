// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Every designed text must be fully visible in its designed box at the
// designed point size, with the substituted faces.
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>

#include "WindowFixture.h"
#include "design/MainWindow.h"
#include "lang/Language.h"
#include "support/InLanguage.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

// What part of `text` would not show in `label` (empty when it all fits).
std::string clipped(const QLabel* label, const QString& text) {
    const QRect box = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) |
                      (label->wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
    const QRect needed = label->fontMetrics().boundingRect(box, flags, text);
    if (box.contains(needed)) return {};
    return label->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
           std::to_string(needed.width()) + "x" + std::to_string(needed.height()) + ", has " +
           std::to_string(box.width()) + "x" + std::to_string(box.height());
}

std::string clipped(const CaptionButton* button) {
    const QRect box = button->captionRect();
    const QRect needed =
        button->fontMetrics().boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, button->text());
    if (box.contains(needed)) return {};
    return button->objectName().toStdString() + " needs " + std::to_string(needed.width()) + "x" +
           std::to_string(needed.height());
}

// Checks the controls of `window` itself, not those of windows it owns.
void expectEveryTextFits(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->window() != &window) continue;
        EXPECT_EQ(clipped(label, label->text()), "") << lang::current();
    }
    for (const CaptionButton* button : window.findChildren<CaptionButton*>()) {
        if (button->window() != &window) continue;
        EXPECT_EQ(clipped(button), "")
            << lang::current() << ": \"" << button->text().toStdString() << "\"";
    }
}

using TextFit = WindowFixture;

TEST_F(TextFit, TheDesignedFacesResolveToInstalledFaces) {
    EXPECT_EQ(QFontInfo(control("Label3")->font()).family(), "FreeSans");
    EXPECT_EQ(QFontInfo(control("lbl0_7")->font()).family(), "FreeSans");
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
    EXPECT_TRUE(QFontInfo(control("lbl0_7")->font()).bold());
    EXPECT_DOUBLE_EQ(control("lbl0_7")->font().pointSizeF(), 13.5);
}

TEST_F(TextFit, TheTransferButtonWrapsItsCaptionOntoTwoLines) {
    auto* transfer = control<CaptionButton>("cmdtransfer");
    EXPECT_EQ(transfer->text(), "Transfer winnings to bank.");
    const QFontMetrics metrics = transfer->fontMetrics();
    EXPECT_GT(metrics.horizontalAdvance(transfer->text()), transfer->captionRect().width());
    const QRect wrapped = metrics.boundingRect(
        transfer->captionRect(), Qt::AlignCenter | Qt::TextWordWrap, transfer->text());
    EXPECT_GT(wrapped.height(), metrics.lineSpacing());  // two lines, not one or three
    EXPECT_LT(wrapped.height(), 3 * metrics.lineSpacing());
}

// In every language, the designed English among them: every text shows
// whole in its designed box, an auto-size label stays inside its window or
// frame and covers no other control, and the menu bar keeps to one line.
// The window's geometry never moves for a language: a translation that does
// not fit must be made shorter.
class TextFitIn : public ::testing::TestWithParam<std::string> {};

// Where an auto-size label of `window` runs out of its container or onto
// another control ("" when none does).
std::string autoSizeOverlaps(const QWidget& window, const std::vector<design::Control>& controls) {
    std::string found;
    for (const design::Control& c : controls) {
        const auto* label = window.findChild<const QLabel*>(c.name);
        if (!c.autoSize || !label || label->text().isEmpty()) continue;
        const QWidget* container = label->parentWidget();
        // lblspin is designed to stand a little above the client area.
        if (!container->rect().united(twipsRect(c.rect)).contains(label->geometry()))
            found += std::string(c.name) + " leaves its container; ";
        for (const QWidget* other :
             container->findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == label || !other->isVisibleTo(container) || other->objectName().isEmpty())
                continue;
            if (label->geometry().intersects(other->geometry()) &&
                !other->geometry().contains(label->geometry()))
                found +=
                    std::string(c.name) + " covers " + other->objectName().toStdString() + "; ";
        }
    }
    return found;
}

TEST_P(TextFitIn, EveryTextFitsItsControl) {
    const torvane::testing::InLanguage language(GetParam());
    RecordingServices services;
    frmdiduvor window(services);
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectEveryTextFits(window);
    // The widest values a stake box and a cell show in play.
    EXPECT_EQ(clipped(window.findChild<QLabel*>("lblleft"), "5000"), "");
    EXPECT_EQ(clipped(window.findChild<QLabel*>("lbl0_36"), "36"), "");
    EXPECT_EQ(autoSizeOverlaps(window, design::mainWindow().controls), "");
    EXPECT_EQ(autoSizeOverlaps(window, design::mainWindow().chartCaptions), "");
    const QMenuBar* bar = window.menuBar();
    const QList<QAction*> titles = bar->actions();
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(bar->actionGeometry(titles.back()).top(), bar->actionGeometry(titles.front()).top())
        << "the menu bar takes two lines";

    frmhelp help(&window);
    expectEveryTextFits(help);
    frmabout about(&window);
    about.show();  // its auto-size labels fit their text when shown
    expectEveryTextFits(about);
    // Labels of the About window stay inside its frame.
    const QWidget* frame = about.findChild<QWidget*>("frmabout");
    ASSERT_NE(frame, nullptr);
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        EXPECT_TRUE(frame->rect().contains(label->geometry())) << label->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, TextFitIn, ::testing::ValuesIn(lang::available()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace torvane::ui::testing
