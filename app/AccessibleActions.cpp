#include "app/AccessibleActions.h"

#include <utility>

AccessibleActions::AccessibleActions(QWidget* widget, QAccessible::Role role,
                                     std::vector<Action> actions)
    : QAccessibleWidget(widget, role), actions(std::move(actions)) {}

const AccessibleActions::Action* AccessibleActions::Find(const QString& name) const {
    for (const Action& action : actions) {
        if (action.name == name)
            return &action;
    }
    return nullptr;
}

QStringList AccessibleActions::actionNames() const {
    QStringList names;
    for (const Action& action : actions)
        names << action.name;
    return names + QAccessibleWidget::actionNames();
}

QString AccessibleActions::localizedActionName(const QString& name) const {
    const Action* action = Find(name);
    return action != nullptr ? action->readName : QAccessibleWidget::localizedActionName(name);
}

QString AccessibleActions::localizedActionDescription(const QString& name) const {
    const Action* action = Find(name);
    return action != nullptr ? action->readName
                             : QAccessibleWidget::localizedActionDescription(name);
}

void AccessibleActions::doAction(const QString& name) {
    if (const Action* action = Find(name)) {
        action->run();
    } else {
        QAccessibleWidget::doAction(name);
    }
}
