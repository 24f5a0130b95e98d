#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "platform/AppIdentity.h"
#include "ui/QtText.h"

void SetApplicationIdentity(QApplication& application) {
    application.setApplicationName(ToQString(kAppTitle));
    application.setDesktopFileName(ToQString(kAppId));
    // The sizes built in under :/icons.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    application.setWindowIcon(icon);
}
