#pragma once

#include <functional>

#include "status/StatusController.h"
#include "status/StatusView.h"

class QAction;
class QMenu;
class QWidget;

// The status window's menu: opening the editor, notifications when an activity opens, warnings
// ahead of it and their sound, start at login, and quitting. Every setting is the controller's:
// the ticks show what it holds as the menu opens and after each choice. The menu is built when it
// is first opened: most starts never open it.
class StatusMenu {
  public:
    // The menu belongs to window; openEditor and quit run the items of those names.
    StatusMenu(QWidget& window, StatusController& controller, std::function<void()> openEditor,
               std::function<void()> quit);

    QMenu& Menu();
    // Nothing while the menu is not built: it asks for its ticks as it opens.
    void ShowTicks(const StatusTicks& ticks);

  private:
    void Build();
    void BuildWarningMenu();

    QWidget& window;
    StatusController& controller;
    std::function<void()> openEditor;
    std::function<void()> quit;
    QMenu* menu = nullptr;
    QAction* notifyAction = nullptr;
    QMenu* warningMenu = nullptr;
    QAction* soundAction = nullptr;
    QAction* loginAction = nullptr;
};
