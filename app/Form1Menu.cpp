// The status window's menu: opening the editor, notifications when an activity opens, warnings
// ahead of it and their sound, start at login, and quitting. Every setting is the board's: the
// ticks show what it holds after each choice.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

#include "app/AutoSizeLabel.h"
#include "app/Form1.h"
#include "desktop/ActivityNotifications.h"
#include "status/StatusBoard.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

// The choices of warnings ahead; any other stored list ticks none of them.
const std::pair<const char*, std::vector<int>> kWarningChoices[] = {
    {"不提醒", {}},    {"1 分钟", {1}},   {"5 分钟", {5}},
    {"10 分钟", {10}}, {"15 分钟", {15}}, {"30 分钟", {30}},
};

}  // namespace

void Form1::CreateMenu() {
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("statusMenu"));
    // The actions run once the menu has closed, as a click on the window or on "×" would.
    menu->addAction(QStringLiteral("打开任务编辑器"), this, &Form1::OpenEditorSoon);
    notifyAction = menu->addAction(QStringLiteral("活动开启时通知"));
    notifyAction->setCheckable(true);
    connect(notifyAction, &QAction::triggered, this, &Form1::TurnNotifications);
    CreateWarningMenu();
    soundAction = menu->addAction(QStringLiteral("提醒声音"));
    soundAction->setCheckable(true);
    connect(soundAction, &QAction::triggered, this, &Form1::TurnWarningSound);
    loginAction = menu->addAction(QStringLiteral("登录时启动"));
    loginAction->setCheckable(true);
    connect(loginAction, &QAction::triggered, this, &Form1::TurnLoginStart);
    menu->addSeparator();
    menu->addAction(QStringLiteral("退出"), this, &Form1::CloseSoon);
    // The tick of start at login shows what the system holds now, whoever changed it.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        ShowSettingTicks();
        loginAction->setChecked(board.StartsAtLogin());
    });
}

void Form1::CreateWarningMenu() {
    warningMenu = menu->addMenu(QStringLiteral("提前提醒"));
    warningMenu->setObjectName(QStringLiteral("warningMenu"));
    auto* group = new QActionGroup(warningMenu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& [text, leads] : kWarningChoices) {
        QAction* choice = warningMenu->addAction(QString::fromUtf8(text));
        choice->setCheckable(true);
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, &leads] { ChooseWarningLeads(leads); });
    }
}

void Form1::ShowSettingTicks() {
    const ProgramSettings& settings = board.Settings();
    notifyAction->setChecked(board.Notifying());
    soundAction->setChecked(settings.warningSound);
    const QList<QAction*> choices = warningMenu->actions();
    for (qsizetype i = 0; i < choices.size(); ++i)
        choices[i]->setChecked(kWarningChoices[i].second == settings.warningLeads);
}

QPoint Form1::KeyboardMenuPosition() const {
    return mapToGlobal(currentLabel->geometry().topLeft());
}

void Form1::ShowMenu(const QPoint& globalPosition) {
    // The release of a right button that opened the menu goes to the menu: no drag goes on.
    dragging = false;
    clickPossible = false;
    menu->exec(globalPosition);
}

void Form1::TurnNotifications(bool on) {
    if (!on) {
        NotificationsTurned(board.TurnNotifications(false, true));
        return;
    }
    notifications.Start([window = QPointer<Form1>(this)](bool available) {
        if (window)
            window->NotificationsTurned(window->board.TurnNotifications(true, available));
    });
}

void Form1::NotificationsTurned(const std::u16string& message) {
    if (!board.Notifying())
        notifications.Stop();
    ShowSettingTicks();
    Report(message);
    // Aims at the next opening or warning, or stops aiming.
    LookAgain();
}

void Form1::ChooseWarningLeads(const std::vector<int>& leads) {
    Report(board.SetWarningLeads(leads));
    ShowSettingTicks();
    LookAgain();
}

void Form1::TurnWarningSound(bool on) {
    Report(board.SetWarningSound(on));
    ShowSettingTicks();
}

void Form1::TurnLoginStart(bool on) {
    const std::u16string failure = board.TurnLoginStart(on);
    if (!failure.empty()) {
        loginAction->setChecked(!on);
        Report(failure);
    }
}
