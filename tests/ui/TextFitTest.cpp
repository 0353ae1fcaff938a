// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Every designed text must be fully visible in its designed box at the
// designed point size, with the substituted faces.
#include <QFontInfo>
#include <QFontMetrics>

#include "WindowFixture.h"
#include "ui/Controls.h"
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
        EXPECT_EQ(clipped(label, label->text()), "");
    }
    for (const CaptionButton* button : window.findChildren<CaptionButton*>()) {
        if (button->window() != &window) continue;
        EXPECT_EQ(clipped(button), "");
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

TEST_F(TextFit, NoTextOfTheMainWindowIsClipped) {
    expectEveryTextFits(window);
    // The widest values a stake box and a cell show in play.
    EXPECT_EQ(clipped(control<QLabel>("lblleft"), "5000"), "");
    EXPECT_EQ(clipped(control<QLabel>("lbl0_36"), "36"), "");
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

TEST_F(TextFit, NoTextOfTheHelpOrAboutWindowIsClipped) {
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

}  // namespace
}  // namespace torvane::ui::testing
