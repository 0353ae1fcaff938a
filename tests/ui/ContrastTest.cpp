// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// Every text of the main and help windows must read against what it is drawn
// on (a contrast of at least 4.5:1, measured on the rendered pixels) in the
// default light palette and in a dark desktop palette, and the designed
// colours must stay exact where the design fixes them.
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>
#include <map>

#include "Themes.h"
#include "WindowFixture.h"
#include "ui/frmhelp.h"

namespace torvane::ui::testing {
namespace {

// The guidelines' relative luminance and contrast, written out here on
// their own so the test does not lean on the program's version of them.
double luminance(QColor c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What an area of a rendered window shows: the colour most of it has (what
// the text is drawn on), and the pixel that stands out most from it (the
// full ink of the glyphs' stems).
struct Reading {
    QColor background;
    QColor ink;
    double contrast = 1;
};

Reading read(const QImage& image, QRect area) {
    std::map<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    }
    Reading r;
    int most = 0;
    for (const auto& [rgb, n] : counts) {
        if (n > most) most = n, r.background = QColor(rgb);
    }
    for (const auto& [rgb, n] : counts) {
        const double c = contrast(QColor(rgb), r.background);
        if (c > r.contrast) r.contrast = c, r.ink = QColor(rgb);
    }
    return r;
}

std::string describe(const Reading& r) {
    return r.ink.name().toStdString() + " on " + r.background.name().toStdString() + ", " +
           std::to_string(r.contrast) + ":1";
}

class Contrast : public WindowFixture, public ::testing::WithParamInterface<Theme> {
  protected:
    void SetUp() override {
        if (GetParam() != Theme::Default)
            QApplication::setPalette(desktopPalette(GetParam() == Theme::Dark));
        QApplication::processEvents();
        // Something in every text: a stake, winnings, a history line.
        click("lblleft");
        drawNext(1);
        click("cmdspin");
    }
    void TearDown() override { QApplication::setPalette(QApplication::style()->standardPalette()); }

    QRect areaOf(const QWidget* w, const QWidget& top) const {
        return QRect(w->mapTo(&top, QPoint(0, 0)), w->size());
    }

    // Every text the window shows, by control.
    std::vector<std::pair<std::string, QRect>> textAreas(QWidget& top) const {
        std::vector<std::pair<std::string, QRect>> areas;
        for (QLabel* label : top.findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty()) {
                areas.emplace_back(label->objectName().toStdString(),
                                   areaOf(label, top).adjusted(1, 1, -1, -1));
            }
        }
        for (QPushButton* button : top.findChildren<QPushButton*>()) {
            if (!button->text().isEmpty()) {
                areas.emplace_back(button->objectName().toStdString(),
                                   areaOf(button, top).adjusted(3, 3, -3, -3));
            }
        }
        for (QLineEdit* edit : top.findChildren<QLineEdit*>()) {
            areas.emplace_back(edit->objectName().toStdString(),
                               areaOf(edit, top).adjusted(2, 2, -2, -2));
        }
        if (auto* list = top.findChild<QListWidget*>("lsthistory")) {
            areas.emplace_back("lsthistory", areaOf(list->viewport(), top));
        }
        if (auto* frame = top.findChild<QWidget*>("frmpopular")) {
            QRect caption = areaOf(frame, top);
            caption.setHeight(frame->fontMetrics().height());
            areas.emplace_back("frmpopular caption", caption.adjusted(6, 0, -6, 0));
        }
        if (auto* bar = top.findChild<QMenuBar*>())
            areas.emplace_back("menu bar", areaOf(bar, top));
        return areas;
    }

    void expectEveryTextReads(QWidget& top, std::size_t texts) {
        const QImage image = top.grab().toImage();
        const auto areas = textAreas(top);
        EXPECT_GE(areas.size(), texts);  // the search found them all
        for (const auto& [name, area] : areas) {
            const Reading r = read(image, area);
            EXPECT_GE(r.contrast, 4.5) << name << ": " << describe(r);
        }
    }

    Reading readControl(const char* name) {
        const QImage image = window.grab().toImage();
        return read(image, areaOf(control(name), window).adjusted(1, 1, -1, -1));
    }
};

TEST_P(Contrast, EveryTextOfTheMainWindowReads) {
    expectEveryTextReads(window, 37 + 3 + 4 + 10);  // cells, boxes, chart, the rest
}

TEST_P(Contrast, TheHelpTextReads) {
    whileHelpIsOpen([&](frmhelp* help) {
        ASSERT_NE(help, nullptr);
        expectEveryTextReads(*help, 1);
        const Reading panel =
            read(help->grab().toImage(), help->findChild<QLabel*>("lblhelp")->geometry());
        EXPECT_EQ(panel.background, QColor(255, 255, 192));  // designed, in every theme
        EXPECT_EQ(panel.ink, QColor(0, 0, 0));
        help->lblhelp_Click();
    });
}

// Where the design fixes both colours they stay as designed in every theme;
// the designed black on the default face stays black where it reads and
// follows the theme's text where the face is dark.
TEST_P(Contrast, DesignedColoursStayWhereTheDesignFixesThem) {
    const Reading cell = readControl("lbl0_5");
    EXPECT_EQ(cell.background, QColor(0, 192, 0));
    EXPECT_EQ(cell.ink, QColor(0, 0, 0));
    EXPECT_EQ(readControl("lbl0_1").background, QColor(0, 255, 0));  // the number drawn
    const Reading box = readControl("lblmiddle");
    EXPECT_EQ(box.background, QColor(0, 128, 0));
    EXPECT_EQ(box.ink, QColor(255, 255, 255));
    const Reading history = read(window.grab().toImage(),
                                 areaOf(control<QListWidget>("lsthistory")->viewport(), window));
    EXPECT_EQ(history.background, QColor(0, 0, 0));
    EXPECT_EQ(history.ink, QColor(255, 0, 0));

    const QColor face = QApplication::palette().color(QPalette::Window);
    const QColor expected = GetParam() != Theme::Dark
                                ? QColor(0, 0, 0)  // black, not the light theme's grey
                                : QApplication::palette().color(QPalette::WindowText);
    for (const char* name : {"Label4", "lblwin"}) {
        const Reading r = readControl(name);
        EXPECT_EQ(r.background, face) << name;
        EXPECT_EQ(r.ink, expected) << name << ": " << describe(r);
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, Contrast,
                         ::testing::Values(Theme::Default, Theme::Light, Theme::Dark),
                         [](const auto& info) { return std::string(themeName(info.param)); });

}  // namespace
}  // namespace torvane::ui::testing
