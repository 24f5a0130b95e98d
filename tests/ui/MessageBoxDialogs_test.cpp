#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

#include "ui/Dialogs.h"

namespace {

// What a message box showed, read while it was open.
struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::map<QMessageBox::StandardButton, QString> captions;
};

// Reads the next message box once it is open, then closes it with the key, or with a click on
// the button when there is no key (Qt::Key_unknown).
class NextBox {
  public:
    NextBox(QMessageBox::StandardButton press, Qt::Key key) {
        QObject::connect(&poll, &QTimer::timeout, [this, press, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            poll.stop();
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.captions[box->standardButton(button)] = button->text();
            if (key != Qt::Key_unknown) {
                QTest::keyClick(box, key);
            } else {
                QTest::mouseClick(box->button(press), Qt::LeftButton);
            }
        });
        poll.start(5);
    }

    Seen seen;

  private:
    QTimer poll;
};

struct BoxCase {
    const char* what;
    bool question;
    QMessageBox::StandardButton press;
    Qt::Key key;
    bool answer;
};

TEST(MessageBoxDialogs, ButtonsHaveChineseCaptionsAndAnswerAsPressed) {
    const std::map<QMessageBox::StandardButton, QString> information = {
        {QMessageBox::Ok, QStringLiteral("确定")}};
    const std::map<QMessageBox::StandardButton, QString> question = {
        {QMessageBox::Yes, QStringLiteral("是")}, {QMessageBox::No, QStringLiteral("否")}};
    const BoxCase cases[] = {
        {"information, OK clicked", false, QMessageBox::Ok, Qt::Key_unknown, true},
        {"question, Yes clicked", true, QMessageBox::Yes, Qt::Key_unknown, true},
        {"question, No clicked", true, QMessageBox::No, Qt::Key_unknown, false},
        {"question, Escape", true, QMessageBox::No, Qt::Key_Escape, false},
    };
    MessageBoxDialogs dialogs;
    for (const BoxCase& c : cases) {
        const QString text =
            c.question ? QStringLiteral("确定删除任务：甲？") : QStringLiteral("保存成功！");
        NextBox next(c.press, c.key);
        bool answer = true;
        if (c.question) {
            answer = dialogs.Ask(nullptr, text);
        } else {
            dialogs.Inform(nullptr, text);
        }
        EXPECT_EQ(answer, c.answer) << c.what;
        EXPECT_EQ(next.seen.title, QStringLiteral("Quillot")) << c.what;
        EXPECT_EQ(next.seen.text, text) << c.what;
        EXPECT_EQ(next.seen.icon, c.question ? QMessageBox::Question : QMessageBox::Information)
            << c.what;
        EXPECT_EQ(next.seen.captions, c.question ? question : information) << c.what;
    }
}

}  // namespace
