#include "desktop/PlatformChoice.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

#include <string_view>

namespace {

// Qt reads "-platform <name>", with one or two leading dashes.
bool PlatformArgument(int argc, const char* const* argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform")
            return true;
    }
    return false;
}

}  // namespace

void PreferX11OnWayland(int argc, const char* const* argv) {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || PlatformArgument(argc, argv))
        return;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
}

bool ShownByWaylandCompositor() {
    const QString platform = QGuiApplication::platformName();
    return platform.startsWith(QStringLiteral("wayland")) ||
           (platform == QStringLiteral("xcb") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}
