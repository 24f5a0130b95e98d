#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/StatusTexts.h"
#include "store/ScheduleStore.h"

class ActivityNotifications;
class AutoSizeLabel;
class Dialogs;
class QAccessibleInterface;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class StatusBoard;

// The status window: a small borderless dark window listing, in yellow, the activities that can
// be joined now and, in green, those opening within 30 minutes. It re-evaluates every minute, is
// dragged by its surface, opens the task editor on a click or, when it has the keyboard focus, on
// Enter or Space, and closes from its "×". A right click, the Menu key or Shift+F10 opens its
// menu: the editor, notifications when an activity opens, warnings ahead and their sound, start at
// login, quit. Screen readers
// find these as actions: "Press" on the window opens the editor, "ShowMenu" the menu, "Close" on
// it or "Press" on the "×" closes it. Where the program may place its window, a drag's end is
// remembered and the next start puts the window there.
class Form1 : public QWidget, private ScheduleListener {
    Q_OBJECT
  public:
    // Sets the window up and shows the board's first look at the clock's time; the board has
    // loaded the schedule already, and the window hears of the changes made to it. The problems
    // that look reports are shown in a message box as soon as the event loop runs; notifications
    // that were on ask for the desktop's service. openEditor shows the task editor modally over
    // the window it is given.
    Form1(Dialogs& dialogs, StatusBoard& board, ScheduleStore& schedule, Clock clock,
          std::function<void(QWidget*)> openEditor, ActivityNotifications& notifications,
          QWidget* parent = nullptr);
    ~Form1() override;

    // Has the board reload the activities from GM.ini and evaluates again (the duration stays as
    // read at start-up). Problems are reported when they differ from those reported last.
    void 刷新任务();
    // Looks at the clock again now: after the wall clock was set or the computer woke.
    void LookAgain();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The accessible interfaces of the window and of closeLabel, with their actions.
    static QAccessibleInterface* AccessibleInterface(const QString& className, QObject* object);

    void CreateControls();
    void ApplyWindowSettings();
    void ApplyLabelSettings(AutoSizeLabel* label, const QColor& textColour, bool bold);
    void ApplyCloseLabelSettings();
    void SetLabelColours(QLabel* label, QColor text) const;
    void StartRefreshTimer();

    // Shows the texts of the board's look at the clock's time and lays the window out again,
    // sends what the look says to send, and aims lookTimer where it says; returns the problems
    // the look reports.
    std::u16string EvaluateStatus();
    void LayoutStatusWindow();
    void Report(const std::u16string& problems);
    // The board's answer to a change of notifications: the tick, the service, a message.
    void NotificationsTurned(const std::u16string& message);

    // The window where it was last dragged, when enough of it shows there on a screen.
    void PlaceAtSavedPosition();
    void SavePosition();

    // Open the editor, or close the window, from the event loop: after the menu or a screen
    // reader's request has returned.
    void OpenEditor();
    void OpenEditorSoon();
    // Reloads at once when the board says a change shows at once.
    void ScheduleChanged(ScheduleChange change) override;
    void CloseSoon();

    // The menu: Form1Menu.cpp.
    void CreateMenu();
    QPoint KeyboardMenuPosition() const;
    void ShowMenu(const QPoint& globalPosition);
    void CreateWarningMenu();
    void ShowSettingTicks();
    void TurnNotifications(bool on);
    void ChooseWarningLeads(const std::vector<int>& leads);
    void TurnWarningSound(bool on);
    void TurnLoginStart(bool on);

    int TwipsX(int twips) const;
    int TwipsY(int twips) const;

    Dialogs& dialogs;
    StatusBoard& board;
    ScheduleStore& schedule;
    Clock clock;
    std::function<void(QWidget*)> openEditor;
    ActivityNotifications& notifications;
    // Where the compositor, not the program, places windows (native Wayland).
    bool compositorPlaces = false;
    // Where the program paints the window's opacity on a translucent surface itself: a Wayland
    // compositor ignores a window's opacity, also that of an X11 window given before it shows.
    bool paintsOwnOpacity = false;

    AutoSizeLabel* currentLabel = nullptr;
    AutoSizeLabel* upcomingLabel = nullptr;
    QLabel* closeLabel = nullptr;
    QTimer* refreshTimer = nullptr;
    QTimer* lookTimer = nullptr;
    QMenu* menu = nullptr;
    QAction* notifyAction = nullptr;
    QMenu* warningMenu = nullptr;
    QAction* soundAction = nullptr;
    QAction* loginAction = nullptr;

    bool dragging = false;
    int dragStartX = 0;
    int dragStartY = 0;
    QPoint pressGlobalPosition;
    // The press may still become a click of the left button (the editor) or of the right one (the
    // menu): no drag yet.
    bool clickPossible = false;
    Qt::MouseButton pressedButton = Qt::NoButton;
    bool moved = false;  // the window moved since the press
};
