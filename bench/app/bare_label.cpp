#include <QApplication>
#include <QLabel>

#include "app/FirstPaintReport.h"

// The yardstick for Quillot's start-up: the smallest Qt window, one label with the same kind of
// text, reporting its first paint the same way.
class BareLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        ReportFirstPaint();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareLabel label(QStringLiteral("当前可参与：无"));
    label.show();
    return app.exec();
}
