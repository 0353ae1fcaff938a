#include <QApplication>

#include "game/Message.h"
#include "ui/Design.h"
#include "ui/frmdiduvor.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(torvane::kAppTitle);
    QApplication::setWindowIcon(QIcon(":/pictures/sunglasses.svg"));
    torvane::ui::installFontSubstitutes();
    torvane::ui::loadPictures();

    torvane::ui::frmdiduvor window;
    window.Form_Load();  // before the window is first shown
    window.show();
    return QApplication::exec();
}
