#include "editor/MoreOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "ui/QtText.h"

namespace {

// Offered first in the zone list, after 默认; any other zone can be typed.
constexpr const char16_t* kCommonZones[] = {
    u"Asia/Shanghai",
    u"Asia/Tokyo",
    u"Asia/Seoul",
    u"Asia/Singapore",
    u"Asia/Hong_Kong",
    u"Asia/Taipei",
    u"Europe/London",
    u"Europe/Berlin",
    u"Europe/Paris",
    u"Europe/Moscow",
    u"America/New_York",
    u"America/Chicago",
    u"America/Los_Angeles",
    u"Australia/Sydney",
    u"UTC",
    u"UTC+8",
};
constexpr int kMaxEveryDays = 366;

template <typename Control>
Control* Named(Control* control, const char* objectName, const QString& accessibleName) {
    control->setObjectName(QString::fromLatin1(objectName));
    control->setAccessibleName(accessibleName);
    return control;
}

QDateEdit* DateBox(const char* objectName, const QString& accessibleName, QWidget* parent) {
    auto* box = Named(new QDateEdit(parent), objectName, accessibleName);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    return box;
}

QComboBox* EditableList(const char* objectName, const QString& accessibleName, QWidget* parent) {
    auto* list = Named(new QComboBox(parent), objectName, accessibleName);
    list->setEditable(true);
    // Enter checks nothing and adds nothing; the texts are checked when the activity is saved.
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

// Field by field: Qt's own conversions need a newer standard library than some builds have.
std::optional<std::chrono::year_month_day> DayOf(const QCheckBox* check, const QDateEdit* box) {
    if (!check->isChecked())
        return std::nullopt;
    const QDate date = box->date();
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

QDate DateOf(std::chrono::year_month_day day) {
    return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
            static_cast<int>(static_cast<unsigned>(day.day()))};
}

void ShowDay(QCheckBox* check, QDateEdit* box,
             const std::optional<std::chrono::year_month_day>& day) {
    check->setChecked(day.has_value());
    box->setDate(day ? DateOf(*day) : QDate::currentDate());
}

}  // namespace

MoreOptions::MoreOptions(const TimeZones& zones, QWidget* parent) : QWidget(parent), zones(zones) {
    CreateControls();
    ArrangeControls();
    ConnectControls();
    Clear();
    Open(false);
}

void MoreOptions::CreateControls() {
    // The toggle stands among the window's controls, which lay it out.
    toggle =
        Named(new QToolButton(parentWidget()), "moreOptionsToggle", QStringLiteral("更多选项"));
    toggle->setText(QStringLiteral("更多选项"));
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    zoneBox = EditableList("zoneBox", QStringLiteral("时区"), this);
    zoneBox->addItem(ToQString(kDefaultZoneChoice));
    for (const char16_t* zone : kCommonZones)
        zoneBox->addItem(ToQString(zone));
    zoneBox->setToolTip(
        QStringLiteral("“默认”：程序设置的时区，未设置时为本机时区。也可输入如 Asia/Shanghai、"
                       "UTC+8 的时区。"));

    firstDayCheck = Named(new QCheckBox(QStringLiteral("开始日期"), this), "firstDayCheck",
                          QStringLiteral("开始日期"));
    firstDayBox = DateBox("firstDayBox", QStringLiteral("开始日期"), this);
    lastDayCheck = Named(new QCheckBox(QStringLiteral("结束日期"), this), "lastDayCheck",
                         QStringLiteral("结束日期"));
    lastDayBox = DateBox("lastDayBox", QStringLiteral("结束日期"), this);

    everyDaysCheck = Named(new QCheckBox(QStringLiteral("每隔"), this), "everyDaysCheck",
                           QStringLiteral("每隔天数"));
    everyDaysBox = Named(new QSpinBox(this), "everyDaysBox", QStringLiteral("每隔天数"));
    everyDaysBox->setRange(1, kMaxEveryDays);
    everyDaysBox->setSuffix(QStringLiteral(" 天"));
    everyDaysBox->setToolTip(QStringLiteral("从开始日期起，每隔这些天一次"));
    monthDaysCheck = Named(new QCheckBox(QStringLiteral("每月"), this), "monthDaysCheck",
                           QStringLiteral("每月日期"));
    monthDaysBox = Named(new QLineEdit(this), "monthDaysBox", QStringLiteral("每月日期"));
    monthDaysBox->setPlaceholderText(QStringLiteral("如 1,16"));

    leadsBox = EditableList("leadsBox", QStringLiteral("提前提醒"), this);
    leadsBox->addItem(ToQString(kGlobalLeadsChoice));
    leadsBox->addItem(QStringLiteral("0"));
    leadsBox->setToolTip(QStringLiteral("提前提醒的分钟数，如 10,5；0 表示不提醒"));
    notifyCheck = Named(new QCheckBox(QStringLiteral("发送通知"), this), "notifyCheck",
                        QStringLiteral("发送通知"));
}

void MoreOptions::ArrangeControls() {
    auto* zoneLabel = new QLabel(QStringLiteral("时区"), this);
    zoneLabel->setBuddy(zoneBox);
    auto* leadsLabel = new QLabel(QStringLiteral("提前提醒"), this);
    leadsLabel->setBuddy(leadsBox);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(zoneLabel, 0, 0);
    grid->addWidget(zoneBox, 0, 1);
    grid->addWidget(firstDayCheck, 1, 0);
    grid->addWidget(firstDayBox, 1, 1);
    grid->addWidget(lastDayCheck, 2, 0);
    grid->addWidget(lastDayBox, 2, 1);
    grid->setColumnMinimumWidth(2, 24);
    grid->addWidget(everyDaysCheck, 0, 3);
    grid->addWidget(everyDaysBox, 0, 4);
    grid->addWidget(monthDaysCheck, 1, 3);
    grid->addWidget(monthDaysBox, 1, 4);
    grid->addWidget(leadsLabel, 2, 3);
    grid->addWidget(leadsBox, 2, 4);
    grid->addWidget(notifyCheck, 3, 3, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
}

void MoreOptions::ConnectControls() {
    connect(toggle, &QToolButton::toggled, this, [this](bool open) { Open(open); });
    for (QCheckBox* check : {firstDayCheck, lastDayCheck, everyDaysCheck, monthDaysCheck})
        connect(check, &QCheckBox::toggled, this, [this] { EnableBoxes(); });
}

void MoreOptions::Open(bool open) {
    toggle->setChecked(open);
    toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    if (isHidden() != open)
        return;
    setVisible(open);
    // The window grows by the part when it opens and gives the room back when it closes.
    if (QWidget* editor = window(); editor != this && editor->layout() != nullptr) {
        editor->layout()->activate();
        editor->resize(editor->width(), editor->sizeHint().height());
    }
}

void MoreOptions::EnableBoxes() {
    firstDayBox->setEnabled(firstDayCheck->isChecked());
    lastDayBox->setEnabled(lastDayCheck->isChecked());
    everyDaysBox->setEnabled(everyDaysCheck->isChecked());
    monthDaysBox->setEnabled(monthDaysCheck->isChecked());
}

void MoreOptions::ShowEntry(const OptionsEntry& entry) {
    zoneBox->setEditText(ToQString(entry.zone));
    ShowDay(firstDayCheck, firstDayBox, entry.firstDay);
    ShowDay(lastDayCheck, lastDayBox, entry.lastDay);
    everyDaysCheck->setChecked(entry.everyDays.has_value());
    everyDaysBox->setValue(entry.everyDays.value_or(1));
    monthDaysCheck->setChecked(entry.monthDays.has_value());
    monthDaysBox->setText(ToQString(entry.monthDays.value_or(std::u16string())));
    leadsBox->setEditText(ToQString(entry.leads));
    notifyCheck->setChecked(entry.notify);
    unknown = entry.unknown;
    EnableBoxes();
}

OptionsEntry MoreOptions::Entry() const {
    OptionsEntry entry;
    entry.zone = zoneBox->currentText().toStdU16String();
    entry.firstDay = DayOf(firstDayCheck, firstDayBox);
    entry.lastDay = DayOf(lastDayCheck, lastDayBox);
    if (everyDaysCheck->isChecked())
        entry.everyDays = everyDaysBox->value();
    if (monthDaysCheck->isChecked())
        entry.monthDays = monthDaysBox->text().toStdU16String();
    entry.leads = leadsBox->currentText().toStdU16String();
    entry.notify = notifyCheck->isChecked();
    entry.unknown = unknown;
    return entry;
}

void MoreOptions::Show(const ActivityOptions& options) {
    OptionsEntry entry = EntryOfOptions(options);
    ShowEntry(entry);
    entry.unknown.clear();
    if (entry != OptionsEntry{})
        Open(true);
}

void MoreOptions::Clear() {
    ShowEntry(OptionsEntry{});
}

Outcome<ActivityOptions, OptionsEntryProblem> MoreOptions::Collect() const {
    return ComposeOptionsEntry(Entry(), zones);
}

void MoreOptions::FocusOn(OptionsEntryProblem problem) {
    QWidget* control = nullptr;
    switch (problem) {
        case OptionsEntryProblem::NoSuchZone:
            control = zoneBox;
            break;
        case OptionsEntryProblem::LastBeforeFirst:
            control = lastDayBox;
            break;
        case OptionsEntryProblem::EveryWithoutFirst:
            control = firstDayCheck;
            break;
        case OptionsEntryProblem::BadMonthDays:
            control = monthDaysBox;
            break;
        case OptionsEntryProblem::BadLeads:
            control = leadsBox;
            break;
        case OptionsEntryProblem::None:
            return;
    }
    Open(true);
    control->setFocus();
}

QToolButton* MoreOptions::Toggle() const {
    return toggle;
}

std::vector<QWidget*> MoreOptions::TabOrder() const {
    return {zoneBox,      firstDayCheck,  firstDayBox,  lastDayCheck, lastDayBox, everyDaysCheck,
            everyDaysBox, monthDaysCheck, monthDaysBox, leadsBox,     notifyCheck};
}
