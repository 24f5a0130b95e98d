#include "app/StatusMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <filesystem>
#include <utility>
#include <vector>

#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

// The choices of warnings ahead; any other stored list ticks none of them.
const std::pair<const char*, std::vector<int>> kWarningChoices[] = {
    {"不提醒", {}},    {"1 分钟", {1}},   {"5 分钟", {5}},
    {"10 分钟", {10}}, {"15 分钟", {15}}, {"30 分钟", {30}},
};

}  // namespace

StatusMenu::StatusMenu(QWidget& window, StatusController& controller, Dialogs& dialogs,
                       std::function<void()> openEditor, std::function<void()> quit)
    : window(window),
      controller(controller),
      dialogs(dialogs),
      openEditor(std::move(openEditor)),
      quit(std::move(quit)) {}

QMenu& StatusMenu::Menu() {
    if (menu == nullptr)
        Build();
    return *menu;
}

void StatusMenu::Build() {
    menu = new QMenu(&window);
    menu->addAction(QStringLiteral("打开任务编辑器"), menu, [this] { openEditor(); });
    notifyAction = menu->addAction(QStringLiteral("活动开启时通知"));
    notifyAction->setCheckable(true);
    QObject::connect(notifyAction, &QAction::triggered, menu,
                     [this](bool on) { controller.TurnNotifications(on); });
    BuildWarningMenu();
    soundAction = menu->addAction(QStringLiteral("提醒声音"));
    soundAction->setCheckable(true);
    QObject::connect(soundAction, &QAction::triggered, menu,
                     [this](bool on) { controller.TurnWarningSound(on); });
    BuildCalendarItems();
    loginAction = menu->addAction(QStringLiteral("登录时启动"));
    loginAction->setCheckable(true);
    QObject::connect(loginAction, &QAction::triggered, menu,
                     [this](bool on) { controller.TurnLoginStart(on); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("退出"), menu, [this] { quit(); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { controller.MenuOpens(); });
}

void StatusMenu::BuildWarningMenu() {
    warningMenu = menu->addMenu(QStringLiteral("提前提醒"));
    warningMenu->setObjectName(QStringLiteral("warningMenu"));
    auto* group = new QActionGroup(warningMenu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& [text, leads] : kWarningChoices) {
        QAction* choice = warningMenu->addAction(QString::fromUtf8(text));
        choice->setCheckable(true);
        group->addAction(choice);
        QObject::connect(choice, &QAction::triggered, menu,
                         [this, &leads] { controller.ChooseWarningLeads(leads); });
    }
}

void StatusMenu::BuildCalendarItems() {
    menu->addAction(QStringLiteral("导出到日历…"), menu, [this] {
        if (const std::u16string file = ChooseCalendarFile(QStringLiteral("导出到日历"));
            !file.empty())
            controller.ExportCalendar(std::filesystem::path(file));
    });
    QMenu* calendarMenu = menu->addMenu(QStringLiteral("日历文件"));
    calendarMenu->setObjectName(QStringLiteral("calendarMenu"));
    calendarFileAction = calendarMenu->addAction(QString());
    calendarFileAction->setEnabled(false);
    calendarMenu->addAction(QStringLiteral("选择文件…"), menu, [this] {
        if (std::u16string file = ChooseCalendarFile(QStringLiteral("日历文件")); !file.empty())
            controller.ChooseCalendarFile(std::move(file));
    });
    noCalendarFileAction = calendarMenu->addAction(QStringLiteral("不保存日历文件"));
    noCalendarFileAction->setCheckable(true);
    QObject::connect(noCalendarFileAction, &QAction::triggered, menu,
                     [this] { controller.ChooseCalendarFile({}); });
}

std::u16string StatusMenu::ChooseCalendarFile(const QString& title) {
    return dialogs
        .ChooseSaveFile(&window, title, QStringLiteral("日历文件 (*.ics)"), QStringLiteral("ics"))
        .toStdU16String();
}

void StatusMenu::ShowTicks(const StatusTicks& ticks) {
    if (menu == nullptr)
        return;
    notifyAction->setChecked(ticks.notifying);
    soundAction->setChecked(ticks.warningSound);
    loginAction->setChecked(ticks.startsAtLogin);
    calendarFileAction->setText(QStringLiteral("保存到 ") + ToQString(ticks.calendarFile));
    calendarFileAction->setVisible(!ticks.calendarFile.empty());
    noCalendarFileAction->setChecked(ticks.calendarFile.empty());
    const QList<QAction*> choices = warningMenu->actions();
    for (qsizetype i = 0; i < choices.size(); ++i)
        choices[i]->setChecked(kWarningChoices[i].second == ticks.warningLeads);
}
