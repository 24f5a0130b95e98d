#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QThread>
#include <QVariantMap>

#include <optional>
#include <utility>

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
    ~FreedesktopNotifications() override {
        if (connecting)
            connecting->wait();
    }

    void Start(std::function<void(bool)> onAnswer) override {
        answered = std::move(onAnswer);
        if (bus) {
            Ask();
            return;
        }
        if (connecting)
            return;
        // Connecting waits for the bus's answers, or for its time-out where a bus does not
        // answer: in a thread of its own, never in the window's. The connection is then used from
        // the window's thread, which only queues messages on it.
        connecting.reset(QThread::create([this] {
            const QDBusConnection connected = QDBusConnection::sessionBus();
            QMetaObject::invokeMethod(
                &owner,
                [this, connected] {
                    bus = connected;
                    Ask();
                },
                Qt::QueuedConnection);
        }));
        connecting->start();
    }

    // An answer still to come is not told: notifications stay off.
    void Stop() override { answered = nullptr; }

    // The service shows no icon of the program to carry a menu.
    void CarryMenu(std::function<QMenu&()>) override {}

    void Show(const QString& summary, const QString& body, bool sound) override {
        if (!bus)
            return;
        const QString appId = QStringView(kAppId).toString();
        QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
        if (sound && serviceSounds)
            hints.insert(QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed"));
        QDBusMessage call = Call(QStringLiteral("Notify"));
        call << QStringView(kAppTitle).toString() << 0u << appId << summary << body << QStringList()
             << hints << -1;
        // Nothing waits for the answer: a slow service never holds up the window.
        bus->send(call);
        if (sound && !serviceSounds)
            PlayEventSound();
    }

  private:
    // The capabilities answer both questions: whether a service is there (the bus starts one
    // that is installed but not running) and whether it plays sounds.
    void Ask() {
        if (!bus->isConnected()) {
            Answer(false);
            return;
        }
        auto* watcher =
            new QDBusPendingCallWatcher(bus->asyncCall(Call("GetCapabilities")), &owner);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &owner, [this, watcher] {
            watcher->deleteLater();
            const QDBusPendingReply<QStringList> reply = *watcher;
            serviceSounds = !reply.isError() && reply.value().contains(QStringLiteral("sound"));
            Answer(!reply.isError());
        });
    }

    void Answer(bool available) {
        if (const std::function<void(bool)> tell = std::exchange(answered, nullptr))
            tell(available);
    }

    QObject owner;  // of the pending calls, which end with the notifications
    std::function<void(bool)> answered;
    std::optional<QDBusConnection> bus;  // once connected, or found missing
    std::unique_ptr<QThread> connecting;
    bool serviceSounds = false;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<FreedesktopNotifications>();
}
