#pragma once

#include <QAccessibleWidget>

#include <functional>
#include <vector>

// A widget as screen readers see it, offering actions of the program's own beside the usual ones.
class AccessibleActions final : public QAccessibleWidget {
  public:
    struct Action {
        QString name;      // what assistive tools call, e.g. pressAction()
        QString readName;  // what the user hears
        std::function<void()> run;
    };

    AccessibleActions(QWidget* widget, QAccessible::Role role, std::vector<Action> actions);

    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;

  private:
    const Action* Find(const QString& name) const;

    std::vector<Action> actions;
};
