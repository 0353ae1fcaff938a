#include "ui/Design.h"

namespace torvane::ui {

// "MS Sans Serif" becomes FreeSans, narrow enough that every designed caption
// fits its designed box at the designed size; "Arial" becomes Liberation
// Sans, which has Arial's metrics.
void installFontSubstitutes() {
    QFont::insertSubstitutions("MS Sans Serif", {"FreeSans", "Liberation Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo"});
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
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace torvane::ui {
void loadPictures() {
    registerPictures();
}
}  // namespace torvane::ui
