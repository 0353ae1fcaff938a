// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include "design/HelpWindow.h"
#include "design/MainWindow.h"
#include "game/Table.h"
#include "ui/Controls.h"

namespace torvane::ui {
namespace {

// The designed name of a chart line.
QString nameOf(const QObject* control) {
    for (const Bar bar : {Bar::Zero, Bar::Left, Bar::Middle, Bar::Right}) {
        if (control->objectName() == QLatin1String(design::chartLine(bar).name)) {
            return design::chartLine(bar).accessibleName;
        }
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
                return QString::fromStdString(
                    design::stakeReading(column(), box()->text().toStdString()));
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
        if (ownAction(action)) return design::actionName(action.toUtf8().constData());
        return QAccessibleWidget::localizedActionName(action);
    }
    QString localizedActionDescription(const QString& action) const override {
        if (ownAction(action)) return design::actionDescription(action.toUtf8().constData());
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
    // The column the box stakes on, by its designed name.
    Box column() const {
        return design::betBoxOf(design::control(object()->objectName().toStdString()))
            .value_or(Box::Right);
    }
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
                return design::helpWindow().description;
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QStringList{kCloseAction} + QAccessibleWidget::actionNames();
    }
    QString localizedActionName(const QString& action) const override {
        if (action == QLatin1String(kCloseAction)) return design::actionName(kCloseAction);
        return QAccessibleWidget::localizedActionName(action);
    }
    QString localizedActionDescription(const QString& action) const override {
        if (action == QLatin1String(kCloseAction)) return design::actionDescription(kCloseAction);
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
    return QString::fromStdString(design::chartLineReading(share));
}

}  // namespace torvane::ui
