#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "schedule/LocalTime.h"

class AutoSizeLabel;
class Dialogs;
class QAccessibleInterface;
class QLabel;
class QTimer;
class StatusBoard;

// The status window: a small borderless dark window listing, in yellow, the activities that can
// be joined now and, in green, those opening within 30 minutes. It re-evaluates every minute, is
// dragged by its surface, opens the task editor on a click or, when it has the keyboard focus, on
// Enter or Space, and closes from its "×". Screen readers find both as actions: "Press" on the
// window opens the editor, "Close" on it or "Press" on the "×" closes it.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    // Sets the window up and shows the board's first tick at the clock's time; the board has
    // loaded the schedule already. The problems that tick reports are shown in a message box as
    // soon as the event loop runs. openEditor shows the task editor modally.
    Form1(Dialogs& dialogs, StatusBoard& board, Clock clock, std::function<void()> openEditor,
          QWidget* parent = nullptr);

    // Has the board reload the activities from GM.ini and evaluates again (the duration stays as
    // read at start-up). Problems are reported when they differ from those reported last.
    void 刷新任务();

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

    // Shows the texts of the board's tick at the clock's time and lays the window out again;
    // returns the problems the tick reports.
    std::u16string EvaluateStatus();
    void LayoutStatusWindow();
    void Report(const std::u16string& problems);

    int TwipsX(int twips) const;
    int TwipsY(int twips) const;

    Dialogs& dialogs;
    StatusBoard& board;
    Clock clock;
    std::function<void()> openEditor;
    // Where the compositor, not the program, places windows and applies opacity (Wayland).
    bool compositorDecides = false;

    AutoSizeLabel* currentLabel = nullptr;
    AutoSizeLabel* upcomingLabel = nullptr;
    QLabel* closeLabel = nullptr;
    QTimer* refreshTimer = nullptr;

    bool dragging = false;
    int dragStartX = 0;
    int dragStartY = 0;
    QPoint pressGlobalPosition;
    bool clickPossible = false;  // the press may still become a click: left button, no drag yet
};
