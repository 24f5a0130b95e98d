#include "editor/Form2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "editor/MoreOptions.h"
#include "schedule/ScheduleText.h"
#include "ui/QtText.h"

namespace {

template <typename Control>
Control* Named(Control* control, const QString& objectName) {
    control->setObjectName(objectName);
    return control;
}

// The caption names the control for screen readers too.
QLabel* LabelFor(QWidget* buddy, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(buddy->objectName() + QStringLiteral("Label"));
    label->setBuddy(buddy);
    buddy->setAccessibleName(caption);
    return label;
}

QLineEdit* NumberBox(const QString& objectName, QWidget* parent) {
    auto* box = Named(new QLineEdit(parent), objectName);
    box->setFixedWidth(64);
    return box;
}

QPushButton* Button(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = Named(new QPushButton(caption, parent), objectName);
    // Enter in a text box must not press whichever button happens to be the default.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

Form2::Form2(Dialogs& dialogs, ScheduleStore& schedule, const TimeZones& zones,
             std::function<void()> refreshStatus, QWidget* parent)
    : QDialog(parent),
      dialogs(dialogs),
      schedule(schedule),
      refreshStatus(std::move(refreshStatus)) {
    CreateControls(zones);
    ArrangeControls();
    ConnectControls();
    setModal(true);

    setWindowTitle(QStringLiteral("任务生成"));
    fixedKindOption->setChecked(true);
    sameDayOption->setChecked(true);
    切换任务类型();
    加载现有任务列表();
    schedule.Listen(*this);
}

Form2::~Form2() {
    schedule.StopListening(*this);
}

void Form2::ScheduleChanged(ScheduleChange) {
    加载现有任务列表();
}

void Form2::CreateControls(const TimeZones& zones) {
    fixedTaskList = Named(new QListWidget(this), QStringLiteral("fixedTaskList"));
    fixedTaskLabel = LabelFor(fixedTaskList, QStringLiteral("固定时间任务"), this);
    deleteFixedButton =
        Button(QStringLiteral("删除固定任务"), QStringLiteral("deleteFixedButton"), this);
    rangeTaskList = Named(new QListWidget(this), QStringLiteral("rangeTaskList"));
    rangeTaskLabel = LabelFor(rangeTaskList, QStringLiteral("范围时间任务"), this);
    deleteRangeButton =
        Button(QStringLiteral("删除范围任务"), QStringLiteral("deleteRangeButton"), this);

    taskNameBox = Named(new QLineEdit(this), QStringLiteral("taskNameBox"));
    taskNameLabel = LabelFor(taskNameBox, QStringLiteral("任务名称"), this);

    kindGroup = new QButtonGroup(this);
    fixedKindOption = Named(new QRadioButton(QStringLiteral("固定时间点"), this),
                            QStringLiteral("fixedKindOption"));
    rangeKindOption =
        Named(new QRadioButton(QStringLiteral("时间段"), this), QStringLiteral("rangeKindOption"));
    kindGroup->addButton(fixedKindOption);
    kindGroup->addButton(rangeKindOption);

    startHourBox = NumberBox(QStringLiteral("startHourBox"), this);
    startHourLabel = LabelFor(startHourBox, QStringLiteral("开始小时"), this);
    startMinuteBox = NumberBox(QStringLiteral("startMinuteBox"), this);
    startMinuteLabel = LabelFor(startMinuteBox, QStringLiteral("开始分钟"), this);
    endHourBox = NumberBox(QStringLiteral("endHourBox"), this);
    endHourLabel = LabelFor(endHourBox, QStringLiteral("结束小时"), this);
    endMinuteBox = NumberBox(QStringLiteral("endMinuteBox"), this);
    endMinuteLabel = LabelFor(endMinuteBox, QStringLiteral("结束分钟"), this);

    daySpanGroup = new QButtonGroup(this);
    sameDayOption =
        Named(new QRadioButton(QStringLiteral("当日时段"), this), QStringLiteral("sameDayOption"));
    rangeDaySpanOption = Named(new QRadioButton(QStringLiteral("跨日时段"), this),
                               QStringLiteral("rangeDaySpanOption"));
    daySpanGroup->addButton(sameDayOption);
    daySpanGroup->addButton(rangeDaySpanOption);

    addTimeButton = Button(QStringLiteral("添加时间"), QStringLiteral("addTimeButton"), this);
    pendingTimeList = Named(new QListWidget(this), QStringLiteral("pendingTimeList"));
    pendingTimeLabel = LabelFor(pendingTimeList, QStringLiteral("已添加时间"), this);
    removeTimeButton = Button(QStringLiteral("删除时间"), QStringLiteral("removeTimeButton"), this);

    dailyCheck = Named(new QCheckBox(QStringLiteral("每日"), this), QStringLiteral("dailyCheck"));
    for (int index = 1; index <= 7; ++index) {
        weekdayChecks[index - 1] = Named(new QCheckBox(ToQString(Get星期文本(index)), this),
                                         QStringLiteral("weekdayChecks%1").arg(index));
    }

    durationBox = NumberBox(QStringLiteral("durationBox"), this);
    durationLabel = LabelFor(durationBox, QStringLiteral("持续时间（分钟）"), this);
    saveButton = Button(QStringLiteral("保存任务"), QStringLiteral("saveButton"), this);
    saveButton->setToolTip(
        QStringLiteral("名称与同类已有任务相同时替换该任务；名称不同时新增任务，原任务保留。"));
    resetButton = Button(QStringLiteral("重置"), QStringLiteral("resetButton"), this);
    moreOptions = Named(new MoreOptions(zones, this), QStringLiteral("moreOptions"));

    for (QListWidget* list : {fixedTaskList, rangeTaskList, pendingTimeList}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->installEventFilter(this);
    }
    fixedTaskList->setMinimumWidth(340);
    rangeTaskList->setMinimumWidth(340);
}

void Form2::ArrangeControls() {
    auto* lists = new QVBoxLayout;
    lists->addWidget(fixedTaskLabel);
    lists->addWidget(fixedTaskList);
    lists->addWidget(deleteFixedButton, 0, Qt::AlignRight);
    lists->addWidget(rangeTaskLabel);
    lists->addWidget(rangeTaskList);
    lists->addWidget(deleteRangeButton, 0, Qt::AlignRight);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(fixedKindOption);
    kinds->addWidget(rangeKindOption);
    kinds->addStretch();
    auto* daySpans = new QHBoxLayout;
    daySpans->addWidget(sameDayOption);
    daySpans->addWidget(rangeDaySpanOption);
    daySpans->addStretch();

    auto* days = new QGridLayout;
    days->addWidget(dailyCheck, 0, 0);
    for (int i = 0; i < 7; ++i)
        days->addWidget(weekdayChecks[i], (i + 1) / 4, (i + 1) % 4);

    auto* actions = new QHBoxLayout;
    actions->addWidget(moreOptions->Toggle());
    actions->addStretch();
    actions->addWidget(saveButton);
    actions->addWidget(resetButton);

    auto* entry = new QGridLayout;
    entry->addWidget(taskNameLabel, 0, 0);
    entry->addWidget(taskNameBox, 0, 1, 1, 4);
    entry->addLayout(kinds, 1, 1, 1, 4);
    entry->addWidget(startHourLabel, 2, 0);
    entry->addWidget(startHourBox, 2, 1);
    entry->addWidget(startMinuteLabel, 2, 2);
    entry->addWidget(startMinuteBox, 2, 3);
    entry->addWidget(endHourLabel, 3, 0);
    entry->addWidget(endHourBox, 3, 1);
    entry->addWidget(endMinuteLabel, 3, 2);
    entry->addWidget(endMinuteBox, 3, 3);
    entry->addLayout(daySpans, 4, 1, 1, 4);
    entry->addWidget(addTimeButton, 5, 1, 1, 4, Qt::AlignLeft);
    entry->addWidget(pendingTimeLabel, 6, 0, Qt::AlignTop);
    entry->addWidget(pendingTimeList, 6, 1, 1, 4);
    entry->addWidget(removeTimeButton, 7, 1, 1, 4, Qt::AlignLeft);
    entry->addLayout(days, 8, 1, 1, 4);
    entry->addWidget(durationLabel, 9, 0);
    entry->addWidget(durationBox, 9, 1);
    entry->addLayout(actions, 10, 0, 1, 5);
    entry->setColumnStretch(4, 1);
    pendingTimeList->setMaximumHeight(96);

    auto* controls = new QHBoxLayout;
    controls->addLayout(lists, 1);
    controls->addSpacing(12);
    controls->addLayout(entry);
    // The options open below, where they grow the window without moving anything.
    auto* window = new QVBoxLayout(this);
    window->addLayout(controls);
    window->addWidget(moreOptions);

    // The order in which an activity is composed: name, kind, times, add, weekdays, duration, save;
    // then the options and the lists.
    std::vector<QWidget*> order = {
        taskNameBox,        fixedKindOption,  rangeKindOption,  startHourBox,
        startMinuteBox,     endHourBox,       endMinuteBox,     sameDayOption,
        rangeDaySpanOption, addTimeButton,    pendingTimeList,  removeTimeButton,
        dailyCheck,         weekdayChecks[0], weekdayChecks[1], weekdayChecks[2],
        weekdayChecks[3],   weekdayChecks[4], weekdayChecks[5], weekdayChecks[6],
        durationBox,        saveButton,       resetButton,      moreOptions->Toggle()};
    std::ranges::copy(moreOptions->TabOrder(), std::back_inserter(order));
    order.insert(order.end(), {fixedTaskList, deleteFixedButton, rangeTaskList, deleteRangeButton});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form2::ConnectControls() {
    connect(fixedKindOption, &QRadioButton::toggled, this, [this] { 切换任务类型(); });
    connect(dailyCheck, &QCheckBox::clicked, this, [this] { DailyClicked(); });
    for (QCheckBox* box : weekdayChecks) {
        connect(box, &QCheckBox::clicked, this, [this] { WeekdayClicked(); });
    }
    connect(addTimeButton, &QPushButton::clicked, this, [this] { AddTime(); });
    for (QLineEdit* box : {startHourBox, startMinuteBox, endHourBox, endMinuteBox})
        connect(box, &QLineEdit::returnPressed, this, [this] { AddTime(); });
    connect(removeTimeButton, &QPushButton::clicked, this, [this] { RemoveTime(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { SaveTask(); });
    connect(resetButton, &QPushButton::clicked, this, [this] { 清空重填(); });
    connect(deleteFixedButton, &QPushButton::clicked, this, [this] { DeleteTask(fixedTaskList); });
    connect(deleteRangeButton, &QPushButton::clicked, this, [this] { DeleteTask(rangeTaskList); });
    for (QListWidget* list : {fixedTaskList, rangeTaskList}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this](const QListWidgetItem* line) { LoadTask(line); });
    }
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    taskNameBox->setFocus(Qt::OtherFocusReason);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == pendingTimeList && key == Qt::Key_Delete) {
        RemoveTime();
        return true;
    }
    for (QListWidget* list : {fixedTaskList, rangeTaskList}) {
        if (watched != list)
            continue;
        if (key == Qt::Key_Delete) {
            DeleteTask(list);
            return true;
        }
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !selected.isEmpty()) {
            LoadTask(selected.first());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
