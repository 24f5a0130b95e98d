#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

// A stand-in for the desktop's notification service on the session bus: it takes the name
// org.freedesktop.Notifications, prints "ready", and then one line for each Notify call, its
// fields separated by tabs: app name, icon, summary, body, desktop-entry hint, sound-name hint.
// With the argument "sound" it lists the sound capability.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public slots:
    uint Notify(const QString& appName, uint, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        const QStringList fields = {appName,
                                    icon,
                                    summary,
                                    body,
                                    hints.value(QStringLiteral("desktop-entry")).toString(),
                                    hints.value(QStringLiteral("sound-name")).toString()};
        std::printf("%s\n", fields.join('\t').toUtf8().constData());
        std::fflush(stdout);
        return ++count;
    }
    QStringList GetCapabilities() {
        if (sounds)
            return {QStringLiteral("body"), QStringLiteral("sound")};
        return {QStringLiteral("body")};
    }

  public:
    bool sounds = false;

  private:
    uint count = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FakeNotificationServer server;
    server.sounds = app.arguments().contains(QStringLiteral("sound"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "cannot take org.freedesktop.Notifications on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "FakeNotificationServer.moc"
