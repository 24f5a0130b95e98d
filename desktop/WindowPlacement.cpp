#include "desktop/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

bool ShowsEnoughOnAScreen(const QRect& window) {
    const qint64 area = qint64{window.width()} * window.height();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry().intersected(window);
        if (4 * qint64{shown.width()} * shown.height() >= area)
            return true;
    }
    return false;
}
