#include <QApplication>
#include <QSystemTrayIcon>

#include "app/ActivityNotifications.h"

namespace {

constexpr int kShownMs = 10000;

// A tray icon that exists while notifications are on; Windows shows its messages as
// notifications. Its menu is the status window's.
class TrayNotifications final : public ActivityNotifications {
  public:
    bool Start(QMenu* menu) override {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return false;
        icon_ = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
        icon_->setToolTip(QStringLiteral("Quillot"));
        icon_->setContextMenu(menu);
        icon_->show();
        return true;
    }

    void Stop() override { icon_.reset(); }

    void Show(const QString& summary, const QString& body) override {
        if (icon_)
            icon_->showMessage(summary, body, QApplication::windowIcon(), kShownMs);
    }

  private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<TrayNotifications>();
}
