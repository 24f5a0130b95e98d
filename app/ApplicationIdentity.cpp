#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "ui/Dialogs.h"

void SetApplicationIdentity(QApplication& application) {
    application.setApplicationName(kAppTitle);
    application.setDesktopFileName(QStringLiteral("org.quillot.Quillot"));
    // The sizes built in under :/icons.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    application.setWindowIcon(icon);
}
