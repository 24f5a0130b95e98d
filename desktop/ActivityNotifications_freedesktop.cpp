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
        if (connecting_)
            connecting_->wait();
    }

    void Start(std::function<void(bool)> answered) override {
        answered_ = std::move(answered);
        if (bus_) {
            Ask();
            return;
        }
        if (connecting_)
            return;
        // Connecting waits for the bus's answers, or for its time-out where a bus does not
        // answer: in a thread of its own, never in the window's. The connection is then used from
        // the window's thread, which only queues messages on it.
        connecting_.reset(QThread::create([this] {
            const QDBusConnection bus = QDBusConnection::sessionBus();
            QMetaObject::invokeMethod(
                &owner_,
                [this, bus] {
                    bus_ = bus;
                    Ask();
                },
                Qt::QueuedConnection);
        }));
        connecting_->start();
    }

    // An answer still to come is not told: notifications stay off.
    void Stop() override { answered_ = nullptr; }

    void Show(const QString& summary, const QString& body, bool sound) override {
        if (!bus_)
            return;
        const QString appId = QStringView(kAppId).toString();
        QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
        if (sound && serviceSounds_)
            hints.insert(QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed"));
        QDBusMessage call = Call(QStringLiteral("Notify"));
        call << QStringView(kAppTitle).toString() << 0u << appId << summary << body << QStringList()
             << hints << -1;
        // Nothing waits for the answer: a slow service never holds up the window.
        bus_->send(call);
        if (sound && !serviceSounds_)
            PlayEventSound();
    }

  private:
    // The capabilities answer both questions: whether a service is there (the bus starts one
    // that is installed but not running) and whether it plays sounds.
    void Ask() {
        if (!bus_->isConnected()) {
            Answer(false);
            return;
        }
        auto* watcher =
            new QDBusPendingCallWatcher(bus_->asyncCall(Call("GetCapabilities")), &owner_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &owner_, [this, watcher] {
            watcher->deleteLater();
            const QDBusPendingReply<QStringList> reply = *watcher;
            serviceSounds_ = !reply.isError() && reply.value().contains(QStringLiteral("sound"));
            Answer(!reply.isError());
        });
    }

    void Answer(bool available) {
        if (const std::function<void(bool)> answered = std::exchange(answered_, nullptr))
            answered(available);
    }

    QObject owner_;  // of the pending calls, which end with the notifications
    std::function<void(bool)> answered_;
    std::optional<QDBusConnection> bus_;  // once connected, or found missing
    std::unique_ptr<QThread> connecting_;
    bool serviceSounds_ = false;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<FreedesktopNotifications>();
}
