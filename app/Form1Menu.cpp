// The status window's menu: opening the editor, notifications when an activity opens, start at
// login, and quitting.

#include <QAction>
#include <QMenu>

#include "app/ActivityNotifications.h"
#include "app/AutoSizeLabel.h"
#include "app/Form1.h"
#include "platform/LoginStart.h"
#include "store/FileErrorText.h"
#include "store/StatusBoard.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

void Form1::CreateMenu() {
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("statusMenu"));
    // The actions run once the menu has closed, as a click on the window or on "×" would.
    menu->addAction(QStringLiteral("打开任务编辑器"), this, &Form1::OpenEditorSoon);
    notifyAction = menu->addAction(QStringLiteral("活动开启时通知"));
    notifyAction->setCheckable(true);
    connect(notifyAction, &QAction::triggered, this, &Form1::TurnNotifications);
    loginAction = menu->addAction(QStringLiteral("登录时启动"));
    loginAction->setCheckable(true);
    connect(loginAction, &QAction::triggered, this, &Form1::TurnLoginStart);
    menu->addSeparator();
    menu->addAction(QStringLiteral("退出"), this, &Form1::CloseSoon);
    // The tick shows what the system holds now, whoever changed it.
    connect(menu, &QMenu::aboutToShow, this,
            [this] { loginAction->setChecked(StartsAtLogin(executable)); });
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
    if (on && !notifications.Start(menu)) {
        notifyAction->setChecked(false);
        dialogs.Inform(this, QStringLiteral("此桌面没有通知服务，无法显示活动开启通知。"));
        return;
    }
    if (const std::error_code error = board.SetNotifyOnOpening(on)) {
        if (on)
            notifications.Stop();
        notifyAction->setChecked(!on);
        dialogs.Inform(this, QStringLiteral("无法保存通知设置：") +
                                 ToQString(board.DescribeWriteFailure(error)));
        return;
    }
    if (!on)
        notifications.Stop();
    notifying = on;
    AimAtNextOpening();
}

void Form1::TurnLoginStart(bool on) {
    if (const std::error_code error = SetStartAtLogin(executable, on)) {
        loginAction->setChecked(!on);
        dialogs.Inform(this, (on ? QStringLiteral("无法设置登录时启动。\n原因：")
                                 : QStringLiteral("无法取消登录时启动。\n原因：")) +
                                 ToQString(DescribeFileError(error, FileAccess::Write)) +
                                 QStringLiteral("。"));
    }
}
