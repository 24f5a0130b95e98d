#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/StatusMenu.h"
#include "status/StatusController.h"
#include "status/StatusView.h"

class AutoSizeLabel;
class Dialogs;
class QAccessibleInterface;
class QLabel;
class QMenu;
class QTimer;

// The status window (README, "Using it"): draws what the controller gives it and passes the
// drags, clicks, keys and menu choices on to it.
class Form1 : public QWidget, private StatusView {
    Q_OBJECT
  public:
    // Sets the window up and attaches it to the controller, which shows its first look at once.
    // The problems that look reports are shown in a message box as soon as the event loop runs.
    // openEditor shows the task editor modally over the window it is given.
    Form1(StatusController& controller, Dialogs& dialogs, std::function<void(QWidget*)> openEditor,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The window's menu, built at the first call; the desktop's notification icon carries it too.
    QMenu& Menu();

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

    // The view: the lists, laid out again; the menu's ticks; a message, which waits for the event
    // loop while the window is being set up, so that it comes after the window has been shown
    // and painted; the window where it was last dragged, when enough of it shows there on a
    // screen; lookTimer aimed where the controller says.
    void ShowTexts(const std::u16string& now, const std::u16string& soon) override;
    void ShowTicks(const StatusTicks& ticks) override;
    void Inform(const std::u16string& message) override;
    void Place(WindowPosition position) override;
    void LookAgainIn(std::optional<std::int32_t> seconds) override;
    void LayoutStatusWindow();

    // Open the editor, or close the window, from the event loop: after the menu or a screen
    // reader's request has returned.
    void OpenEditor();
    void OpenEditorSoon();
    void CloseSoon();

    QPoint KeyboardMenuPosition() const;
    void ShowMenu(const QPoint& globalPosition);

    int TwipsX(int twips) const;
    int TwipsY(int twips) const;

    StatusController& controller;
    Dialogs& dialogs;
    std::function<void(QWidget*)> openEditor;
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
    StatusMenu menu;
    bool settingUp = true;

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
