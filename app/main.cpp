#include <QApplication>

#include "app/Form1.h"
#include "editor/Form2.h"
#include "platform/ExecutablePath.h"
#include "platform/SingleInstance.h"
#include "schedule/LocalTime.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv) {
    // One running copy per executable path; a second start ends here, before anything is shown
    // or written.
    const auto instance = SingleInstance::Acquire(ExecutablePath());
    if (!instance)
        return 0;

    QApplication app(argc, argv);
    MessageBoxDialogs dialogs;
    Form2* editor = nullptr;  // created at its first use, owned by the status window
    Form1* statusWindow = nullptr;
    Form1 form1(dialogs, SystemLocalTime, {}, [&] {
        if (editor == nullptr) {
            editor = new Form2(
                dialogs, [&] { statusWindow->刷新任务(); }, {}, statusWindow);
        }
        editor->exec();
    });
    statusWindow = &form1;
    form1.show();
    return app.exec();
}
