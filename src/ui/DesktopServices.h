#pragma once

#include <QUrl>
#include <functional>

#include "game/Generator.h"
#include "game/TableView.h"

class QWidget;

namespace torvane::ui {

// The services the game table asks of the desktop: modal message boxes, the
// clock, the generator, loading the About window, and opening addresses.
// Each can be replaced, for tests, by setting its hook.
class DesktopServices : public TableServices {
  public:
    explicit DesktopServices(QWidget* owner) : owner_(owner) {}

    void showMessage(const Message& message) override;
    void loadAboutWindow() override;
    int secondOfMinute() override;
    float nextRandom() override;
    // Hands an address to the desktop; the result is ignored.
    void openUrl(const QUrl& url);

    std::function<void(const Message&)> messageHook;
    std::function<void()> aboutLoader;
    std::function<int()> clockHook;
    std::function<float()> randomHook;
    std::function<void(const QUrl&)> urlHook;

  private:
    QWidget* owner_;
    Generator generator_;
};

}  // namespace torvane::ui
