#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMenu>

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <utility>

#include "desktop/ActivityNotifications.h"
#include "desktop/EventSound.h"
#include "platform/AppIdentity.h"

namespace {

constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_APP + 1;
const wchar_t kWindowClass[] = L"QuillotNotifyIcon";

// The program's icon at the system's size for the metrics given (SM_CXSMICON, SM_CXICON).
HICON ProgramIcon(int metric) {
    const int side = GetSystemMetrics(metric);
    return QApplication::windowIcon().pixmap(side, side).toImage().toHICON();
}

// One of the notification data's fixed text fields, cut to fit.
template <std::size_t N>
void Fill(wchar_t (&field)[N], const QString& text) {
    field[text.left(N - 1).toWCharArray(field)] = L'\0';
}

// The program's icon in the notification area, owned by a window that is never shown. Windows
// shows the icon's balloons as notifications. They are silent: the program plays the sound itself
// when it is asked for, so that there is never a second one. A right click on the icon (or the
// keyboard's menu key on it) opens the menu it carries at the pointer. The window is a
// top-level one so that it also hears the taskbar being created again, when Explorer restarted,
// and adds the icon again.
class NotifyIcon {
  public:
    // Nothing where no taskbar takes the icon. menu is the menu that the icon's owner carries,
    // which may come after the icon: empty until then, it builds the menu when it is first opened.
    static std::unique_ptr<NotifyIcon> Add(const std::function<QMenu&()>& menu) {
        static const bool registered = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = &NotifyIcon::WindowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kWindowClass;
            return RegisterClassExW(&windowClass) != 0;
        }();
        if (!registered)
            return nullptr;
        auto icon = std::unique_ptr<NotifyIcon>(new NotifyIcon(menu));
        if (icon->window == nullptr || !icon->AddToTaskbar())
            return nullptr;
        return icon;
    }

    ~NotifyIcon() {
        if (window != nullptr) {
            NOTIFYICONDATAW data = Data(0);
            Shell_NotifyIconW(NIM_DELETE, &data);
            DestroyWindow(window);
        }
        DestroyIcon(smallIcon);
        DestroyIcon(largeIcon);
    }

    void ShowBalloon(const QString& title, const QString& text) {
        NOTIFYICONDATAW data = Data(NIF_INFO | NIF_SHOWTIP);
        Fill(data.szInfoTitle, title);
        Fill(data.szInfo, text);
        data.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_NOSOUND;
        data.hBalloonIcon = largeIcon;
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }

  private:
    explicit NotifyIcon(const std::function<QMenu&()>& menu)
        : menu(menu),
          window(CreateWindowExW(0, kWindowClass, nullptr, WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr)),
          smallIcon(ProgramIcon(SM_CXSMICON)),
          largeIcon(ProgramIcon(SM_CXICON)) {
        if (window != nullptr) {
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            // Let the taskbar's message through where the program runs with more rights.
            ChangeWindowMessageFilterEx(window, TaskbarCreated(), MSGFLT_ALLOW, nullptr);
        }
    }

    static UINT TaskbarCreated() {
        static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
        return message;
    }

    NOTIFYICONDATAW Data(UINT flags) const {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = window;
        data.uID = kIconId;
        data.uFlags = flags;
        return data;
    }

    bool AddToTaskbar() {
        NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
        data.uCallbackMessage = kIconMessage;
        data.hIcon = smallIcon;
        Fill(data.szTip, QStringView(kAppTitle).toString());
        if (!Shell_NotifyIconW(NIM_ADD, &data))
            return false;
        // Right clicks and the keyboard's menu key come as WM_CONTEXTMENU.
        data.uVersion = NOTIFYICON_VERSION_4;
        return Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE;
    }

    void ShowMenu() {
        if (!menu)
            return;
        // The program in the foreground, so that a click elsewhere closes the menu.
        SetForegroundWindow(window);
        menu().popup(QCursor::pos());
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* icon = reinterpret_cast<NotifyIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (icon != nullptr && message == kIconMessage && LOWORD(lParam) == WM_CONTEXTMENU) {
            icon->ShowMenu();
            return 0;
        }
        if (icon != nullptr && message == TaskbarCreated()) {
            icon->AddToTaskbar();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    const std::function<QMenu&()>& menu;
    HWND window;
    HICON smallIcon;
    HICON largeIcon;
};

// The icon exists while notifications are on.
class TrayNotifications final : public ActivityNotifications {
  public:
    void Start(std::function<void(bool)> answered) override {
        if (!icon)
            icon = NotifyIcon::Add(menu);
        answered(icon != nullptr);
    }

    void Stop() override { icon.reset(); }

    void Show(const QString& summary, const QString& body, bool sound) override {
        if (!icon)
            return;
        icon->ShowBalloon(summary, body);
        if (sound)
            PlayEventSound();
    }

    void CarryMenu(std::function<QMenu&()> statusMenu) override { menu = std::move(statusMenu); }

  private:
    std::function<QMenu&()> menu;
    std::unique_ptr<NotifyIcon> icon;
};

}  // namespace

std::unique_ptr<ActivityNotifications> DesktopNotifications() {
    return std::make_unique<TrayNotifications>();
}
