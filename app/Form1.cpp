#include "app/Form1.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <mutex>
#include <utility>

#include "app/AccessibleActions.h"
#include "app/AutoSizeLabel.h"
#include "app/FirstPaintReport.h"
#include "app/StatusLayout.h"
#include "desktop/PlatformChoice.h"
#include "desktop/WindowPlacement.h"
#include "platform/AppIdentity.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

constexpr int kRefreshIntervalMs = 60000;
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kOpacityAlpha = 153;  // 60 percent of 255
const QColor kBackground(30, 30, 30);
const QColor kNowColour(255, 255, 0);
const QColor kSoonColour(0, 255, 0);
const QColor kCloseColour(220, 220, 220);

QFont StatusFont(bool bold) {
    QFont font;
    // The first family is the one the window is designed for; the others carry the Chinese text
    // where it is missing.
    font.setFamilies({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("PingFang SC")});
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

// The status texts break lines with CR LF; a label breaks them at LF.
QString DisplayText(const std::u16string& text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

Form1::Form1(StatusController& controller, Dialogs& dialogs,
             std::function<void(QWidget*)> openEditor, QWidget* parent)
    : QWidget(parent),
      controller(controller),
      dialogs(dialogs),
      openEditor(std::move(openEditor)),
      compositorPlaces(QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))),
      paintsOwnOpacity(ShownByWaylandCompositor()),
      // The items run once the menu has closed, as a click on the window or on "×" would.
      menu(
          *this, controller, dialogs, [this] { OpenEditorSoon(); }, [this] { CloseSoon(); }) {
    static std::once_flag accessibleFactory;
    std::call_once(accessibleFactory, [] { QAccessible::installFactory(&AccessibleInterface); });
    CreateControls();
    ApplyWindowSettings();
    ApplyLabelSettings(currentLabel, kNowColour, true);
    ApplyLabelSettings(upcomingLabel, kSoonColour, false);
    controller.Attach(*this);
    ApplyCloseLabelSettings();
    StartRefreshTimer();
    settingUp = false;
}

QAccessibleInterface* Form1::AccessibleInterface(const QString& className, QObject* object) {
    const bool window = className == QLatin1String("Form1");
    Form1* form = nullptr;
    if (window) {
        form = static_cast<Form1*>(object);
    } else if (className == QLatin1String("QLabel")) {
        form = qobject_cast<Form1*>(object->parent());
    }
    if (form == nullptr || (!window && object != form->closeLabel))
        return nullptr;
    // The actions run from the event loop: the screen reader's request returns at once, not only
    // once the modal editor has been closed.
    const auto close = [form] { form->CloseSoon(); };
    if (!window) {
        return new AccessibleActions(
            form->closeLabel, QAccessible::Button,
            {{QAccessibleActionInterface::pressAction(), QStringLiteral("关闭"), close}});
    }
    const auto openEditor = [form] { form->OpenEditorSoon(); };
    const auto showMenu = [form] {
        QTimer::singleShot(0, form, [form] { form->ShowMenu(form->KeyboardMenuPosition()); });
    };
    return new AccessibleActions(
        form, QAccessible::Client,
        {{QAccessibleActionInterface::pressAction(), QStringLiteral("打开任务编辑器"), openEditor},
         {QAccessibleActionInterface::showMenuAction(), QStringLiteral("打开菜单"), showMenu},
         {QStringLiteral("Close"), QStringLiteral("关闭"), close}});
}

Form1::~Form1() {
    controller.Detach();
}

QMenu& Form1::Menu() {
    return menu.Menu();
}

void Form1::OpenEditor() {
    if (openEditor)
        openEditor(this);
}

void Form1::OpenEditorSoon() {
    QTimer::singleShot(0, this, &Form1::OpenEditor);
}

void Form1::CloseSoon() {
    QTimer::singleShot(0, this, &QWidget::close);
}

void Form1::CreateControls() {
    currentLabel = new AutoSizeLabel(this);
    currentLabel->setObjectName(QStringLiteral("currentLabel"));
    upcomingLabel = new AutoSizeLabel(this);
    upcomingLabel->setObjectName(QStringLiteral("upcomingLabel"));
    closeLabel = new QLabel(this);
    // Setting a label's text makes Qt look up its accessible interface, which must by then be the
    // button of AccessibleInterface: the text comes once closeLabel is known.
    closeLabel->setText(QStringLiteral("×"));
    closeLabel->setObjectName(QStringLiteral("closeLabel"));
    closeLabel->installEventFilter(this);
    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    // Fires at the second an activity opens or is warned of, so that its notification comes on
    // time.
    lookTimer = new QTimer(this);
    lookTimer->setObjectName(QStringLiteral("lookTimer"));
    lookTimer->setSingleShot(true);
    lookTimer->setTimerType(Qt::PreciseTimer);
    connect(lookTimer, &QTimer::timeout, this, [this] { controller.LookAgain(); });
}

void Form1::ApplyWindowSettings() {
    setWindowTitle(ToQString(kAppTitle));
    setAccessibleName(ToQString(kAppTitle));
    // Enter or Space opens the editor; the focus shows nowhere on the window.
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (paintsOwnOpacity) {
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, kBackground);
        setPalette(palette);
        setAutoFillBackground(true);
        setWindowOpacity(kOpacityAlpha / 255.0);
    }
    setMouseTracking(true);
    // The menu opens on the release of a right click and from the keyboard, so that the right
    // button drags the window like any other.
    setContextMenuPolicy(Qt::PreventContextMenu);

    const int width = TwipsX(kInitialWidthTwips);
    resize(width, TwipsY(kHeightAllowanceTwips));
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.right() + 1 - width - TwipsX(kScreenMarginTwips),
             available.top() + TwipsY(kScreenMarginTwips));
    }
}

void Form1::SetLabelColours(QLabel* label, QColor text) const {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kBackground);
    // On a translucent surface the label draws no background of its own and its text carries
    // the window's opacity.
    if (paintsOwnOpacity)
        text.setAlpha(kOpacityAlpha);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    label->setAutoFillBackground(!paintsOwnOpacity);
}

void Form1::ApplyLabelSettings(AutoSizeLabel* label, const QColor& textColour, bool bold) {
    SetLabelColours(label, textColour);
    label->setFont(StatusFont(bold));
    // Presses on the lists reach the window, so they drag it too.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->SetAutoSize(true);
    label->resize(width(), label->height());
}

void Form1::ApplyCloseLabelSettings() {
    SetLabelColours(closeLabel, kCloseColour);
    closeLabel->setFont(StatusFont(false));
    closeLabel->setAccessibleName(QStringLiteral("关闭"));
    closeLabel->setCursor(Qt::PointingHandCursor);
    closeLabel->adjustSize();
    closeLabel->move(width() - closeLabel->width() - TwipsX(kCloseLabelMarginTwips),
                     TwipsY(kCloseLabelMarginTwips));
    // Shown once the pointer has moved over the window.
    closeLabel->hide();
}

void Form1::StartRefreshTimer() {
    connect(refreshTimer, &QTimer::timeout, this, [this] { controller.LookAgain(); });
    refreshTimer->setInterval(kRefreshIntervalMs);
    refreshTimer->start();
}

void Form1::ShowTexts(const std::u16string& now, const std::u16string& soon) {
    currentLabel->SetAutoSize(true);
    upcomingLabel->SetAutoSize(true);
    currentLabel->SetCaption(DisplayText(now));
    upcomingLabel->SetCaption(DisplayText(soon));
    LayoutStatusWindow();
}

void Form1::ShowTicks(const StatusTicks& ticks) {
    menu.ShowTicks(ticks);
}

void Form1::Inform(const std::u16string& message) {
    if (settingUp) {
        QTimer::singleShot(0, this,
                           [this, text = ToQString(message)] { dialogs.Inform(this, text); });
        return;
    }
    dialogs.Inform(this, ToQString(message));
}

void Form1::Place(WindowPosition position) {
    const QRect there(QPoint(position.x, position.y), size());
    if (!compositorPlaces && ShowsEnoughOnAScreen(there))
        move(there.topLeft());
}

void Form1::LookAgainIn(std::optional<std::int32_t> seconds) {
    // The clock counts whole seconds, so the timer fires within a second after the moment.
    if (seconds)
        lookTimer->start(*seconds * kMillisecondsPerSecond);
    else
        lookTimer->stop();
}

void Form1::LayoutStatusWindow() {
    const int currentHeight = currentLabel->height();
    const int upcomingHeight = upcomingLabel->height();
    currentLabel->SetAutoSize(false);
    upcomingLabel->SetAutoSize(false);
    const StatusLayout layout = ComputeStatusLayout(currentHeight, upcomingHeight, logicalDpiY());
    currentLabel->setGeometry(0, layout.currentTop, width(), currentHeight);
    upcomingLabel->setGeometry(0, layout.upcomingTop, width(), upcomingHeight);
    resize(width(), layout.windowHeight);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    dragging = true;
    moved = false;
    dragStartX = static_cast<int>(std::lrint(event->position().x()));
    dragStartY = static_cast<int>(std::lrint(event->position().y()));
    pressGlobalPosition = event->globalPosition().toPoint();
    pressedButton = event->button();
    clickPossible = pressedButton == Qt::LeftButton || pressedButton == Qt::RightButton;
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (dragging) {
        const QPoint travelled = event->globalPosition().toPoint() - pressGlobalPosition;
        if (travelled.manhattanLength() >= QApplication::startDragDistance()) {
            clickPossible = false;
        }
        if (!compositorPlaces) {
            const QPoint before = pos();
            move(x() + static_cast<int>(std::lrint(event->position().x())) - dragStartX,
                 y() + static_cast<int>(std::lrint(event->position().y())) - dragStartY);
            moved = moved || pos() != before;
        } else if (!clickPossible && windowHandle() != nullptr) {
            // A client cannot place its own window there: the compositor moves it from here on,
            // and the release goes to the compositor.
            dragging = false;
            windowHandle()->startSystemMove();
        }
    }
    closeLabel->show();
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = dragging && clickPossible && event->button() == pressedButton;
    const bool dragged = dragging && moved;
    dragging = false;
    clickPossible = false;
    moved = false;
    if (dragged && !compositorPlaces)
        controller.KeepWindowPosition({x(), y()});
    if (click && pressedButton == Qt::RightButton)
        ShowMenu(event->globalPosition().toPoint());
    else if (click)
        OpenEditor();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        ShowMenu(KeyboardMenuPosition());
        return;
    }
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (!opens || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    OpenEditor();
}

void Form1::paintEvent(QPaintEvent*) {
    if (paintsOwnOpacity) {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(kBackground.red(), kBackground.green(), kBackground.blue(),
                                        kOpacityAlpha));
    }
    ReportFirstPaint();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == closeLabel) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return true;  // not the start of a drag
            case QEvent::MouseButtonRelease:
                if (closeLabel->rect().contains(
                        static_cast<QMouseEvent*>(event)->position().toPoint())) {
                    close();
                }
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int Form1::TwipsX(int twips) const {
    return TwipsToPixels(twips, logicalDpiX());
}

int Form1::TwipsY(int twips) const {
    return TwipsToPixels(twips, logicalDpiY());
}

QPoint Form1::KeyboardMenuPosition() const {
    return mapToGlobal(currentLabel->geometry().topLeft());
}

void Form1::ShowMenu(const QPoint& globalPosition) {
    // The release of a right button that opened the menu goes to the menu: no drag goes on.
    dragging = false;
    clickPossible = false;
    menu.Menu().exec(globalPosition);
}
