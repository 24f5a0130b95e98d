#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>

class Dialogs;

// The task editor, captioned "任务生成": lists the activities of GM.ini, deletes them, and
// composes and saves new ones. Shown modally from the status window.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // refreshStatusWindow is the status window's 刷新任务, called after every delete.
    // iniFile empty: GM.ini beside the executable.
    Form2(Dialogs& dialogs, std::function<void()> refreshStatusWindow,
          std::filesystem::path iniFile = {}, QWidget* parent = nullptr);
};
