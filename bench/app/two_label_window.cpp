#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "app/FirstPaintReport.h"

namespace {

constexpr int kOpacityAlpha = 153;  // 60 percent of 255
const QColor kBackground(30, 30, 30);

// The yardstick for Quillot's start-up: what its status window shows and nothing more, two labels
// in the same fonts and colours on the same dark window at 60 percent opacity, reporting the first
// paint the same way. The fonts count: each face they map to is a file mapped and parsed.
class TwoLabelWindow : public QWidget {
  public:
    TwoLabelWindow() {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, kBackground);
        setPalette(palette);
        setAutoFillBackground(true);
        setWindowOpacity(kOpacityAlpha / 255.0);
        resize(288, 100);
        AddLabel(QStringLiteral("当前可参与：无"), QColor(255, 255, 0), true, 33);
        AddLabel(QStringLiteral("30分钟内开启：无"), QColor(0, 255, 0), false, 60);
    }

  protected:
    void paintEvent(QPaintEvent*) override { ReportFirstPaint(); }

  private:
    void AddLabel(const QString& text, const QColor& colour, bool bold, int top) {
        auto* label = new QLabel(text, this);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, kBackground);
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        QFont font;
        font.setFamilies({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("WenQuanYi Micro Hei"),
                          QStringLiteral("Source Han Sans SC"), QStringLiteral("PingFang SC")});
        font.setPointSize(9);
        font.setBold(bold);
        label->setFont(font);
        label->adjustSize();
        label->move(0, top);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TwoLabelWindow window;
    window.show();
    return app.exec();
}
