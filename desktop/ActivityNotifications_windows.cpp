#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "desktop/ActivityNotifications.h"
#include "desktop/EventSound.h"

namespace {

constexpr int kShownMs = 10000;

// The status window's menu, which the tray icon carries too.
QMenu* StatusMenu() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(widget);
            menu != nullptr && menu->objectName() == QLatin1String("statusMenu")) {
            return menu;
        }
    }
    return nullptr;
}

// A tray icon that exists while notifications are on; Windows shows its messages as
// notifications. Its menu is the status window's.
class TrayNotifications final : public ActivityNotifications {
  public:
    void Start(std::function<void(bool)> answered) override {
        if (!QSystemTrayIcon::isSystemTrayAvailable()) {
            answered(false);
            return;
        }
        icon_ = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
        icon_->setToolTip(QStringLiteral("Quillot"));
        icon_->setContextMenu(StatusMenu());
        icon_->show();
        answered(true);
    }

    void Stop() override { icon_.reset(); }

    void Show(const QString& summary, const QString& body, bool sound) override {
        if (!icon_)
            return;
        icon_->showMessage(summary, body, QApplication::windowIcon(), kShownMs);
        if (sound)
            PlayEventSound();
    }

  private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<TrayNotifications>();
}
