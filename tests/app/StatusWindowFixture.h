#pragma once

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/Form1.h"
#include "schedule/LocalTime.h"
#include "status/StatusController.h"
#include "store/ScheduleStore.h"
#include "tests/status/RecordingDesktop.h"
#include "tests/status/StatusProgram.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TestFile.h"
#include "text/Cp936.h"

// 1 January 2024 is a Monday.
inline LocalTime MondayAt(int hour, int minute) {
    using namespace std::chrono;
    return LocalTime{year_month_day{year{2024}, month{1}, day{1}}, hour, minute, 0};
}

// A status window on a GM.ini in a scratch folder, loaded as at start-up, with a clock the test
// sets, an editor opener that only counts, a notification service that never answers, and the
// user's configuration (where start at login is written) in the scratch folder too.
class StatusWindowTest : public ::testing::Test {
  protected:
    StatusWindowTest() {
        previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    ~StatusWindowTest() override { qputenv("XDG_CONFIG_HOME", previousConfig); }

    std::filesystem::path Folder() const {
        return std::filesystem::path(folder.path().toStdU16String());
    }
    std::filesystem::path Ini() const { return Folder() / "GM.ini"; }

    // Writes the lines in code page 936 with CR LF line ends.
    void WriteIni(const std::vector<std::u16string_view>& lines) const {
        std::u16string text;
        for (std::u16string_view line : lines)
            text.append(line).append(u"\r\n");
        WriteTestFile(Ini(), EncodeCp936(text));
    }

    // A status window on the file (GM.ini of the scratch folder when empty).
    std::unique_ptr<Form1> Open(std::filesystem::path ini = {}) {
        programs.push_back(std::make_unique<StatusProgram>(
            ini.empty() ? Ini() : ini, Executable(), [this] { return now; }, desktop));
        return std::make_unique<Form1>(programs.back()->controller, dialogs,
                                       [this](QWidget*) { OpenEditor(); });
    }
    std::filesystem::path Executable() const { return Folder() / "quillot"; }
    // The schedule and the controller of the last window opened.
    ScheduleStore& ShownSchedule() const { return programs.back()->schedule; }
    StatusController& ShownController() const { return programs.back()->controller; }

    static QLabel* Label(const Form1& form, const char* name) {
        return form.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static QString Text(const Form1& form, const char* name) { return Label(form, name)->text(); }
    static QTimer* RefreshTimer(const Form1& form) {
        return form.findChild<QTimer*>(QStringLiteral("refreshTimer"));
    }

    LocalTime now = MondayAt(11, 40);
    RecordingDialogs dialogs;
    int editorOpenings = 0;
    std::function<void()> onEditorOpened;

  private:
    void OpenEditor() {
        ++editorOpenings;
        if (onEditorOpened)
            onEditorOpened();
    }

    QTemporaryDir folder;
    QByteArray previousConfig;
    RecordingDesktop desktop;
    // Those of every window opened, which may outlive the next one.
    std::vector<std::unique_ptr<StatusProgram>> programs;
};
