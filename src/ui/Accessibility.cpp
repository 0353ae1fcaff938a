// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <cmath>

#include "game/Table.h"
#include "ui/Controls.h"

namespace torvane::ui {
namespace {

// The names by control, so that each control's name is said in one place.
QString nameOf(const QObject* control) {
    static const struct {
        const char* control;
        const char* name;
    } names[] = {{"lblleft", "Left column stake"},
                 {"lblmiddle", "Middle column stake"},
                 {"lblright", "Right column stake"},
                 {"ln0", "Zero"},
                 {"lnl", "Left column"},
                 {"lnm", "Middle column"},
                 {"lnr", "Right column"}};
    for (const auto& n : names) {
        if (control->objectName() == QLatin1String(n.control)) return n.name;
    }
    return {};
}

// A bet box: "Left column stake: 25", the value "25" as the box shows it.
// The label sends the name change itself when its caption changes. Its
// actions are posted, so the call returns before any message box opens: a
// screen reader waits for the answer to an action.
class BetBoxAccessible : public QAccessibleWidget {
  public:
    explicit BetBoxAccessible(BetBox* box) : QAccessibleWidget(box, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return nameOf(object()) + ": " + box()->text();
            case QAccessible::Value:
                return box()->text();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QStringList{kPlaceBetAction, kTakeBackBetAction} + QAccessibleWidget::actionNames();
    }
    QString localizedActionName(const QString& action) const override {
        if (ownAction(action)) return action;
        return QAccessibleWidget::localizedActionName(action);
    }
    QString localizedActionDescription(const QString& action) const override {
        if (action == QLatin1String(kPlaceBetAction)) {
            return "Moves one bet increment from the bank onto this column";
        }
        if (action == QLatin1String(kTakeBackBetAction)) {
            return "Takes one bet increment off this column back into the bank";
        }
        return QAccessibleWidget::localizedActionDescription(action);
    }
    // Any other name is refused without effect, unless it is one of the
    // widget's own (setting the focus, in keyboard mode).
    void doAction(const QString& action) override {
        if (action == QLatin1String(kPlaceBetAction)) {
            box()->postRelease(kLeftButton);
        } else if (action == QLatin1String(kTakeBackBetAction)) {
            box()->postRelease(kRightButton);
        } else if (QAccessibleWidget::actionNames().contains(action)) {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    static bool ownAction(const QString& action) {
        return action == QLatin1String(kPlaceBetAction) ||
               action == QLatin1String(kTakeBackBetAction);
    }
    BetBox* box() const { return static_cast<BetBox*>(widget()); }
};

// A chart line: "Left column", described as "2 of 3 presses, 67%".
class ChartLineAccessible : public QAccessibleWidget {
  public:
    explicit ChartLineAccessible(ChartLine* line)
        : QAccessibleWidget(line, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return nameOf(object());
            case QAccessible::Description:
            case QAccessible::Value:
                return reading();
            default:
                return QAccessibleWidget::text(t);
        }
    }

  private:
    QString reading() const {
        return chartLineDescription(static_cast<ChartLine*>(widget())->share());
    }
};

// The help panel: its whole text as its name, with plain line breaks as it
// shows them; the action "Close" closes the help window as a click does.
class HelpPanelAccessible : public QAccessibleWidget {
  public:
    explicit HelpPanelAccessible(HelpPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return panel()->text();
            case QAccessible::Description:
                return "How to play. Click the text, or use its action Close, to close the help.";
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QStringList{kCloseAction} + QAccessibleWidget::actionNames();
    }
    QString localizedActionDescription(const QString& action) const override {
        if (action == QLatin1String(kCloseAction)) return "Closes the help, as a click on it does";
        return QAccessibleWidget::localizedActionDescription(action);
    }
    // Posted, like the bet boxes' actions; only while the help window is
    // the window that takes input.
    void doAction(const QString& action) override {
        if (action != QLatin1String(kCloseAction)) {
            if (QAccessibleWidget::actionNames().contains(action))
                QAccessibleWidget::doAction(action);
            return;
        }
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != panel()->window()) return;
        HelpPanel* target = panel();
        QMetaObject::invokeMethod(
            target, [target] { emit target->clicked(); }, Qt::QueuedConnection);
    }

  private:
    HelpPanel* panel() const { return static_cast<HelpPanel*>(widget()); }
};

QAccessibleInterface* gameControls(const QString& className, QObject* object) {
    if (className == QLatin1String(BetBox::staticMetaObject.className())) {
        return new BetBoxAccessible(static_cast<BetBox*>(object));
    }
    if (className == QLatin1String(ChartLine::staticMetaObject.className())) {
        return new ChartLineAccessible(static_cast<ChartLine*>(object));
    }
    if (className == QLatin1String(HelpPanel::staticMetaObject.className())) {
        return new HelpPanelAccessible(static_cast<HelpPanel*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameControls);
        return true;
    }();
    (void)installed;
}

QString chartLineDescription(const std::optional<BarShare>& share) {
    if (!share || share->presses <= 0) return "No spins counted yet";
    const long percent = std::lround(100.0 * share->hits / share->presses);
    return QString("%1 of %2 presses, %3%").arg(share->hits).arg(share->presses).arg(percent);
}

}  // namespace torvane::ui
