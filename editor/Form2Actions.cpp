#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "editor/ActivityDefinition.h"
#include "editor/ActivityNameCheck.h"
#include "editor/Form2.h"
#include "editor/MoreOptions.h"
#include "editor/TimeEntry.h"
#include "text/TextTrim.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

std::u16string Text(const QLineEdit* box) {
    return box->text().toStdU16String();
}

// What a line of a task list carries besides its text: the activity it shows.
enum TaskLineData { NameData = Qt::UserRole, KindData, ValueData };

std::u16string Data(const QListWidgetItem& line, TaskLineData data) {
    return line.data(data).toString().toStdU16String();
}

ActivityKind KindOf(const QListWidgetItem& line) {
    return static_cast<ActivityKind>(line.data(KindData).toInt());
}

}  // namespace

void Form2::切换任务类型() {
    const bool fixed = fixedKindOption->isChecked();
    for (QWidget* rangeOnly :
         std::initializer_list<QWidget*>{endHourLabel, endHourBox, endMinuteLabel, endMinuteBox,
                                         sameDayOption, rangeDaySpanOption}) {
        rangeOnly->setEnabled(!fixed);
    }
    durationLabel->setEnabled(fixed);
    durationBox->setEnabled(fixed);
}

void Form2::清空重填() {
    for (QLineEdit* box :
         {taskNameBox, startHourBox, startMinuteBox, endHourBox, endMinuteBox, durationBox}) {
        box->clear();
    }
    pendingTimeList->clear();
    ShowWeekdays(WeekdayChoice{});
    fixedKindOption->setChecked(true);
    sameDayOption->setChecked(true);
    切换任务类型();
    moreOptions->Clear();
}

void Form2::加载现有任务列表() {
    fixedTaskList->clear();
    rangeTaskList->clear();
    std::error_code error = FillTaskList(fixedTaskList, ActivityKind::FixedTimes);
    if (!error)
        error = FillTaskList(rangeTaskList, ActivityKind::TimeRanges);
    if (error)
        dialogs.Inform(this,
                       FileErrorMessage(QStringLiteral("无法读取 "), error, FileAccess::Read));
}

std::error_code Form2::FillTaskList(QListWidget* list, ActivityKind kind) {
    const Outcome<std::vector<IniKeyValue>> activities = schedule.Activities(kind);
    for (const IniKeyValue& key : activities.value) {
        auto* line = new QListWidgetItem(ToQString(key.name + u"=" + key.value), list);
        line->setData(NameData, ToQString(key.name));
        line->setData(KindData, static_cast<int>(kind));
        line->setData(ValueData, ToQString(key.value));
    }
    return activities.problem;
}

void Form2::ClearTimeBoxes() {
    for (QLineEdit* box : {startHourBox, startMinuteBox, endHourBox, endMinuteBox})
        box->clear();
}

void Form2::ShowWeekdays(const WeekdayChoice& days) {
    dailyCheck->setChecked(days.daily);
    for (std::size_t i = 0; i < weekdayChecks.size(); ++i) {
        weekdayChecks[i]->setChecked(days.weekdays[i]);
        weekdayChecks[i]->setEnabled(!days.daily);
    }
}

void Form2::DailyClicked() {
    const bool daily = dailyCheck->isChecked();
    for (QCheckBox* box : weekdayChecks) {
        if (daily)
            box->setChecked(false);
        box->setEnabled(!daily);
    }
}

void Form2::WeekdayClicked() {
    if (dailyCheck->isChecked())
        dailyCheck->setChecked(false);
}

void Form2::AddTime() {
    const std::u16string startHour = Text(startHourBox), startMinute = Text(startMinuteBox),
                         endHour = Text(endHourBox), endMinute = Text(endMinuteBox);
    const Outcome<std::u16string, TimeEntryProblem> entry = ComposeTimeEntry(
        {startHour, startMinute, endHour, endMinute}, ChosenKind(), sameDayOption->isChecked());
    if (entry.problem != TimeEntryProblem::None) {
        dialogs.Inform(this, ToQString(DescribeTimeEntryProblem(entry.problem)));
        const TimeEntryFocus focus = FocusAfter(entry.problem);
        if (focus == TimeEntryFocus::StartHour)
            startHourBox->setFocus();
        if (focus == TimeEntryFocus::EndHour)
            endHourBox->setFocus();
        return;
    }
    pendingTimeList->addItem(ToQString(entry.value));
    ClearTimeBoxes();
    startHourBox->setFocus();
}

void Form2::RemoveTime() {
    const QList<QListWidgetItem*> selected = pendingTimeList->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

ActivityKind Form2::ChosenKind() const {
    return fixedKindOption->isChecked() ? ActivityKind::FixedTimes : ActivityKind::TimeRanges;
}

std::vector<std::u16string> Form2::PendingEntries() const {
    std::vector<std::u16string> entries;
    for (int row = 0; row < pendingTimeList->count(); ++row) {
        entries.push_back(pendingTimeList->item(row)->text().toStdU16String());
    }
    return entries;
}

QString Form2::FileErrorMessage(const QString& what, std::error_code error,
                                FileAccess access) const {
    return what + ToQString(schedule.DescribeFileError(error, access));
}

void Form2::SaveTask() {
    const std::u16string name(TrimSpaces(Text(taskNameBox)));
    if (const NameProblem problem = CheckActivityName(name)) {
        dialogs.Inform(this, ToQString(DescribeNameProblem(problem)));
        taskNameBox->setFocus();
        return;
    }
    ActivityDefinition activity{PendingEntries(), {dailyCheck->isChecked(), {}}};
    for (std::size_t i = 0; i < activity.days.weekdays.size(); ++i)
        activity.days.weekdays[i] = weekdayChecks[i]->isChecked();
    const Outcome<std::u16string, DefinitionProblem> definition =
        ComposeActivityDefinition(activity);
    if (definition.problem != DefinitionProblem::None) {
        dialogs.Inform(this, ToQString(DescribeDefinitionProblem(definition.problem)));
        return;
    }
    const Outcome<ActivityOptions, OptionsEntryProblem> options = moreOptions->Collect();
    if (options.problem != OptionsEntryProblem::None) {
        dialogs.Inform(this, ToQString(DescribeOptionsEntryProblem(options.problem)));
        moreOptions->FocusOn(options.problem);
        return;
    }
    if (std::error_code error = schedule.SaveActivity(
            ChosenKind(), name, AppendOptions(definition.value, options.value),
            DurationToStore(Text(durationBox)))) {
        dialogs.Inform(this, FileErrorMessage(QStringLiteral("任务未保存，无法写入 "), error,
                                              FileAccess::Write));
        return;
    }
    dialogs.Inform(this, QStringLiteral("保存成功！"));
    清空重填();
}

void Form2::DeleteTask(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem& line = *selected.first();
    const std::u16string name = Data(line, NameData);
    const ActivityKind kind = KindOf(line);  // the line goes when the lists are refilled
    if (!dialogs.Ask(this,
                     QStringLiteral("确定删除任务：") + ToQString(name) + QStringLiteral("？"))) {
        refreshStatus();
        return;
    }
    if (std::error_code error = schedule.DeleteActivity(kind, name)) {
        refreshStatus();
        dialogs.Inform(this, FileErrorMessage(QStringLiteral("任务未删除，无法写入 "), error,
                                              FileAccess::Write));
    }
}

void Form2::LoadTask(const QListWidgetItem* line) {
    const std::u16string value = Data(*line, ValueData);
    const ActivityDefinition activity = ReadActivityValue(value);
    taskNameBox->setText(ToQString(Data(*line, NameData)));
    (KindOf(*line) == ActivityKind::FixedTimes ? fixedKindOption : rangeKindOption)
        ->setChecked(true);
    切换任务类型();
    pendingTimeList->clear();
    for (const std::u16string& entry : activity.entries)
        pendingTimeList->addItem(ToQString(entry));
    ShowWeekdays(activity.days);
    ClearTimeBoxes();
    moreOptions->Show(ParseActivityOptions(SplitActivityValue(value).options).options);
}
