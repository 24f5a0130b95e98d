#include "app/Form1.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
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
#include "store/StatusBoard.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

constexpr int kRefreshIntervalMs = 60000;
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

Form1::Form1(Dialogs& dialogs, StatusBoard& board, Clock clock, std::function<void()> openEditor,
             QWidget* parent)
    : QWidget(parent),
      dialogs(dialogs),
      board(board),
      clock(std::move(clock)),
      openEditor(std::move(openEditor)),
      compositorDecides(QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
    static std::once_flag accessibleFactory;
    std::call_once(accessibleFactory, [] { QAccessible::installFactory(&AccessibleInterface); });
    CreateControls();
    ApplyWindowSettings();
    ApplyLabelSettings(currentLabel, kNowColour, true);
    ApplyLabelSettings(upcomingLabel, kSoonColour, false);
    const std::u16string problems = EvaluateStatus();
    ApplyCloseLabelSettings();
    StartRefreshTimer();
    if (!problems.empty()) {
        // After the window has been shown and painted, from the event loop.
        QTimer::singleShot(0, this, [this, problems] { Report(problems); });
    }
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
    const auto close = [form] { QTimer::singleShot(0, form, &QWidget::close); };
    if (!window) {
        return new AccessibleActions(
            form->closeLabel, QAccessible::Button,
            {{QAccessibleActionInterface::pressAction(), QStringLiteral("关闭"), close}});
    }
    const auto openEditor = [form] {
        QTimer::singleShot(0, form, [form] {
            if (form->openEditor)
                form->openEditor();
        });
    };
    return new AccessibleActions(
        form, QAccessible::Client,
        {{QAccessibleActionInterface::pressAction(), QStringLiteral("打开任务编辑器"), openEditor},
         {QStringLiteral("Close"), QStringLiteral("关闭"), close}});
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
}

void Form1::ApplyWindowSettings() {
    setWindowTitle(kAppTitle);
    setAccessibleName(kAppTitle);
    // Enter or Space opens the editor; the focus shows nowhere on the window.
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (compositorDecides) {
        // The compositor ignores a window's opacity: paint on a translucent surface instead.
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, kBackground);
        setPalette(palette);
        setAutoFillBackground(true);
        setWindowOpacity(kOpacityAlpha / 255.0);
    }
    setMouseTracking(true);

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
    if (compositorDecides)
        text.setAlpha(kOpacityAlpha);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    label->setAutoFillBackground(!compositorDecides);
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
    connect(refreshTimer, &QTimer::timeout, this, [this] { Report(EvaluateStatus()); });
    refreshTimer->setInterval(kRefreshIntervalMs);
    refreshTimer->start();
}

void Form1::刷新任务() {
    board.Reload();
    Report(EvaluateStatus());
}

std::u16string Form1::EvaluateStatus() {
    StatusTick tick = board.Tick(clock());
    currentLabel->SetAutoSize(true);
    upcomingLabel->SetAutoSize(true);
    currentLabel->SetCaption(DisplayText(tick.texts.now));
    upcomingLabel->SetCaption(DisplayText(tick.texts.soon));
    LayoutStatusWindow();
    return std::move(tick.report);
}

void Form1::Report(const std::u16string& problems) {
    if (!problems.empty())
        dialogs.Inform(this, ToQString(problems));
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
    dragStartX = static_cast<int>(std::lrint(event->position().x()));
    dragStartY = static_cast<int>(std::lrint(event->position().y()));
    pressGlobalPosition = event->globalPosition().toPoint();
    clickPossible = event->button() == Qt::LeftButton;
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (dragging) {
        const QPoint travelled = event->globalPosition().toPoint() - pressGlobalPosition;
        if (travelled.manhattanLength() >= QApplication::startDragDistance()) {
            clickPossible = false;
        }
        if (!compositorDecides) {
            move(x() + static_cast<int>(std::lrint(event->position().x())) - dragStartX,
                 y() + static_cast<int>(std::lrint(event->position().y())) - dragStartY);
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
    const bool click = dragging && clickPossible && event->button() == Qt::LeftButton;
    dragging = false;
    clickPossible = false;
    if (click && openEditor)
        openEditor();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (!opens || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (openEditor)
        openEditor();
}

void Form1::paintEvent(QPaintEvent*) {
    if (compositorDecides) {
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
