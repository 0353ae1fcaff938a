#include "ui/Design.h"

namespace torvane::ui {

void installFontSubstitutes() {
    for (const char* designed : {"MS Sans Serif", "Arial"}) {
        QFont::insertSubstitutions(designed, {"Liberation Sans", "Arimo", "Helvetica"});
    }
}

QFont designFont(const char* family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace torvane::ui

// The pictures are compiled into this static library; register them before use.
static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace torvane::ui {
void loadPictures() { registerPictures(); }
}  // namespace torvane::ui
