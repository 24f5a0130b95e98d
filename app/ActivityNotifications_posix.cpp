#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

#include "app/ActivityNotifications.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kAppId = QStringLiteral("org.quillot.Quillot");

// org.freedesktop.Notifications on the session bus: answers wherever a desktop shows
// notifications, with or without a tray.
class FreedesktopNotifications final : public ActivityNotifications {
  public:
    bool Start(QMenu*) override {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        const QDBusConnectionInterface* names = bus.interface();
        return names->isServiceRegistered(kService).value() ||
               names->activatableServiceNames().value().contains(kService);
    }

    void Stop() override {}

    void Show(const QString& summary, const QString& body) override {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kService, QStringLiteral("/org/freedesktop/Notifications"), kService,
            QStringLiteral("Notify"));
        call << QStringLiteral("Quillot") << 0u << kAppId << summary << body << QStringList()
             << QVariantMap{{QStringLiteral("desktop-entry"), kAppId}} << -1;
        // Nothing waits for the answer: a slow service never holds up the window.
        QDBusConnection::sessionBus().send(call);
    }
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<FreedesktopNotifications>();
}
