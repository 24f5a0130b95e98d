#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "platform/AppIdentity.h"
#include "ui/QtText.h"

void SetApplicationIdentity(QApplication& application) {
    application.setApplicationName(ToQString(kAppTitle));
    application.setDesktopFileName(ToQString(kAppId));
    // The sizes built in under :/icons, read by Qt's own PNG reader alone: a reader left to find
    // the format loads every image format plugin to ask it, a few milliseconds before the first
    // paint.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        QImageReader png(sizes.next(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    application.setWindowIcon(icon);
}
