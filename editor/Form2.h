#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "schedule/ActivityValue.h"
#include "store/ScheduleStore.h"

class Dialogs;
class MoreOptions;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class TimeZones;

// The task editor, captioned "任务生成": lists the activities of GM.ini, deletes them, loads one
// back for editing, and composes and saves activities, their options (更多选项, checked against the
// time-zone database) included. Shown modally from the status window, with
// the focus in the name box. Every control carries its role as object name (taskNameBox,
// weekdayChecks1 .. weekdayChecks7, saveButton, ...). Saves and deletes go through the schedule
// store, which tells the status window too.
class Form2 : public QDialog, private ScheduleListener {
    Q_OBJECT
  public:
    // refreshStatus reloads the status window (刷新任务). A delete question reloads it whatever
    // the answer; the store tells it only of a delete that was written.
    Form2(Dialogs& dialogs, ScheduleStore& schedule, const TimeZones& zones,
          std::function<void()> refreshStatus, QWidget* parent = nullptr);
    ~Form2() override;

  protected:
    void showEvent(QShowEvent* event) override;
    // Delete in a list deletes its selected line; Enter in a task list loads the selected line.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Refills the task lists when the file changed.
    void ScheduleChanged(ScheduleChange change) override;

    void CreateControls(const TimeZones& zones);
    void ArrangeControls();
    void ConnectControls();

    // Greys the controls that do not serve the chosen kind.
    void 切换任务类型();
    // Empties every entry control, sets the kind back to fixed time points and the options to
    // their defaults.
    void 清空重填();
    // Refills both task lists from GM.ini, one line key "=" value per activity, in file order. The
    // line is for the eye: its item data carry the activity's name, kind and value.
    void 加载现有任务列表();
    std::error_code FillTaskList(QListWidget* list, ActivityKind kind);

    void ClearTimeBoxes();
    // Ticks dailyCheck and the weekday boxes; the weekday boxes are unavailable when daily.
    void ShowWeekdays(const WeekdayChoice& days);

    void DailyClicked();
    void WeekdayClicked();
    void AddTime();
    void RemoveTime();
    void SaveTask();
    // Deletes the activity of the list's selected line, after asking.
    void DeleteTask(const QListWidget* list);
    // Puts the activity of the line, its options included, into the entry controls; the duration
    // box stays as it is.
    void LoadTask(const QListWidgetItem* line);

    ActivityKind ChosenKind() const;
    std::vector<std::u16string> PendingEntries() const;
    QString FileErrorMessage(const QString& what, std::error_code error, FileAccess access) const;

    Dialogs& dialogs;
    ScheduleStore& schedule;
    std::function<void()> refreshStatus;

    QLabel* fixedTaskLabel = nullptr;
    QListWidget* fixedTaskList = nullptr;
    QPushButton* deleteFixedButton = nullptr;
    QLabel* rangeTaskLabel = nullptr;
    QListWidget* rangeTaskList = nullptr;
    QPushButton* deleteRangeButton = nullptr;

    QLabel* taskNameLabel = nullptr;
    QLineEdit* taskNameBox = nullptr;
    QButtonGroup* kindGroup = nullptr;
    QRadioButton* fixedKindOption = nullptr;
    QRadioButton* rangeKindOption = nullptr;
    QLabel* startHourLabel = nullptr;
    QLineEdit* startHourBox = nullptr;
    QLabel* startMinuteLabel = nullptr;
    QLineEdit* startMinuteBox = nullptr;
    QLabel* endHourLabel = nullptr;
    QLineEdit* endHourBox = nullptr;
    QLabel* endMinuteLabel = nullptr;
    QLineEdit* endMinuteBox = nullptr;
    QButtonGroup* daySpanGroup = nullptr;
    QRadioButton* sameDayOption = nullptr;
    QRadioButton* rangeDaySpanOption = nullptr;
    QPushButton* addTimeButton = nullptr;
    QLabel* pendingTimeLabel = nullptr;
    QListWidget* pendingTimeList = nullptr;
    QPushButton* removeTimeButton = nullptr;
    QCheckBox* dailyCheck = nullptr;
    std::array<QCheckBox*, 7> weekdayChecks{};
    QLabel* durationLabel = nullptr;
    QLineEdit* durationBox = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* resetButton = nullptr;
    MoreOptions* moreOptions = nullptr;
};
