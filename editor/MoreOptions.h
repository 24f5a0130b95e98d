#pragma once

#include <QWidget>

#include <utility>
#include <vector>

#include "editor/OptionsEntry.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class QToolButton;

// The task editor's 更多选项: the activity's zone, first and last day, repeat, leads and
// notification, hidden until their toggle opens them. Every control carries its role as object
// name (moreOptionsToggle, zoneBox, firstDayCheck, firstDayBox, ...).
class MoreOptions : public QWidget {
    Q_OBJECT
  public:
    MoreOptions(const TimeZones& zones, QWidget* parent);

    // Shows the options of a loaded activity, and opens the part when one of them shows.
    void Show(const ActivityOptions& options);
    // Sets every control back to its default and forgets the loaded activity's unknown options.
    void Clear();
    // The options to store, or what keeps them from being stored.
    Outcome<ActivityOptions, OptionsEntryProblem> Collect() const;
    // Opens the part and gives the focus to the control the problem is about.
    void FocusOn(OptionsEntryProblem problem);
    // The button that opens and closes the options, for the window to place.
    QToolButton* Toggle() const;
    // The options' controls in the order Tab visits them.
    std::vector<QWidget*> TabOrder() const;

  private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();

    void Open(bool open);
    // Greys each box whose check box is off.
    void EnableBoxes();
    void ShowEntry(const OptionsEntry& entry);
    OptionsEntry Entry() const;

    const TimeZones& zones;
    std::vector<std::pair<std::u16string, std::u16string>> unknown;

    QToolButton* toggle = nullptr;
    QComboBox* zoneBox = nullptr;
    QCheckBox* firstDayCheck = nullptr;
    QDateEdit* firstDayBox = nullptr;
    QCheckBox* lastDayCheck = nullptr;
    QDateEdit* lastDayBox = nullptr;
    QCheckBox* everyDaysCheck = nullptr;
    QSpinBox* everyDaysBox = nullptr;
    QCheckBox* monthDaysCheck = nullptr;
    QLineEdit* monthDaysBox = nullptr;
    QComboBox* leadsBox = nullptr;
    QCheckBox* notifyCheck = nullptr;
};
