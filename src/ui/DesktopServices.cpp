#include "ui/DesktopServices.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QTime>

namespace torvane::ui {

void DesktopServices::showMessage(const Message& message) {
    if (messageHook) {
        messageHook(message);
        return;
    }
    const auto icon =
        message.style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.prompt), QMessageBox::Ok, owner_);
    box.setObjectName("messageBox");
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void DesktopServices::loadAboutWindow() {
    if (aboutLoader) aboutLoader();
}

int DesktopServices::secondOfMinute() {
    return clockHook ? clockHook() : QTime::currentTime().second();
}

float DesktopServices::nextRandom() {
    return randomHook ? randomHook() : generator_.next();
}

void DesktopServices::openUrl(const QUrl& url) {
    if (urlHook) {
        urlHook(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

}  // namespace torvane::ui
