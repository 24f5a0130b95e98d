#pragma once

#include <functional>
#include <string>

#include "status/StatusController.h"
#include "status/StatusView.h"

class Dialogs;
class QAction;
class QMenu;
class QString;
class QWidget;

// The status window's menu: opening the editor, notifications when an activity opens, warnings
// ahead of it and their sound, the schedule exported to a calendar and the calendar file kept,
// start at login, and quitting. Every setting is the controller's:
// the ticks show what it holds as the menu opens and after each choice. The menu is built when it
// is first opened: most starts never open it.
class StatusMenu {
  public:
    // The menu belongs to window; openEditor and quit run the items of those names; dialogs
    // choose the calendar's files.
    StatusMenu(QWidget& window, StatusController& controller, Dialogs& dialogs,
               std::function<void()> openEditor, std::function<void()> quit);

    QMenu& Menu();
    // Nothing while the menu is not built: it asks for its ticks as it opens.
    void ShowTicks(const StatusTicks& ticks);

  private:
    void Build();
    void BuildWarningMenu();
    void BuildCalendarItems();
    // A calendar file the user chooses; empty when cancelled.
    std::u16string ChooseCalendarFile(const QString& title);

    QWidget& window;
    StatusController& controller;
    Dialogs& dialogs;
    std::function<void()> openEditor;
    std::function<void()> quit;
    QMenu* menu = nullptr;
    QAction* notifyAction = nullptr;
    QMenu* warningMenu = nullptr;
    QAction* soundAction = nullptr;
    QAction* calendarFileAction = nullptr;  // the file kept, shown when there is one
    QAction* noCalendarFileAction = nullptr;
    QAction* loginAction = nullptr;
};
