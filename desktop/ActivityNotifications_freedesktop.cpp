#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "desktop/ActivityNotifications.h"
#include "desktop/EventSound.h"
#include "platform/AppIdentity.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

// org.freedesktop.Notifications on the session bus: answers wherever a desktop shows
// notifications, with or without a tray. Where the service plays sounds itself (its "sound"
// capability) a notification names the sound; elsewhere the program plays it.
class FreedesktopNotifications final : public ActivityNotifications {
  public:
    void Start(std::function<void(bool)> answered) override {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            answered(false);
            return;
        }
        // The capabilities answer both questions: whether a service is there (the bus starts
        // one that is installed but not running) and whether it plays sounds.
        auto* watcher =
            new QDBusPendingCallWatcher(bus.asyncCall(Call("GetCapabilities")), &owner_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &owner_,
                         [this, watcher, answered = std::move(answered)] {
                             watcher->deleteLater();
                             const QDBusPendingReply<QStringList> reply = *watcher;
                             serviceSounds_ = !reply.isError() &&
                                              reply.value().contains(QStringLiteral("sound"));
                             answered(!reply.isError());
                         });
    }

    void Stop() override {}

    void Show(const QString& summary, const QString& body, bool sound) override {
        const QString appId = QString::fromStdU16String(std::u16string(kAppId));
        QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
        if (sound && serviceSounds_)
            hints.insert(QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed"));
        QDBusMessage call = Call(QStringLiteral("Notify"));
        call << QStringLiteral("Quillot") << 0u << appId << summary << body << QStringList()
             << hints << -1;
        // Nothing waits for the answer: a slow service never holds up the window.
        QDBusConnection::sessionBus().send(call);
        if (sound && !serviceSounds_)
            PlayEventSound();
    }

  private:
    QObject owner_;  // of the pending calls, which end with the notifications
    bool serviceSounds_ = false;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<FreedesktopNotifications>();
}
