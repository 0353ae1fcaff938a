#include "app/RunGame.h"

#include <QApplication>
#include <QTimer>

#include "game/Message.h"
#include "ui/Design.h"
#include "ui/frmdiduvor.h"

namespace torvane {

int runGame(int& argc, char** argv, const std::function<void(ui::frmdiduvor&)>& started) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    ui::loadPictures();
    QApplication::setWindowIcon(QIcon(":/pictures/sunglasses.svg"));
    ui::installFontSubstitutes();

    ui::frmdiduvor window;
    window.Form_Load();  // before the window is first shown
    window.show();
    if (started) QTimer::singleShot(0, &window, [&window, &started] { started(window); });
    return QApplication::exec();
}

}  // namespace torvane
