#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <initializer_list>
#include <utility>

#include "platform/AppIdentity.h"
#include "ui/Dialogs.h"
#include "ui/QtText.h"

namespace {

// The buttons carry Chinese captions whatever translations the system has, like every other word
// of the program.
int ShowModal(QMessageBox::Icon icon, const QString& text, QWidget* parent,
              std::initializer_list<std::pair<QMessageBox::StandardButton, QString>> buttons) {
    QMessageBox box(icon, ToQString(kAppTitle), text, QMessageBox::NoButton, parent);
    for (const auto& [button, caption] : buttons)
        box.addButton(button)->setText(caption);
    return box.exec();
}

}  // namespace

void MessageBoxDialogs::Inform(QWidget* parent, const QString& text) {
    ShowModal(QMessageBox::Information, text, parent, {{QMessageBox::Ok, QStringLiteral("确定")}});
}

bool MessageBoxDialogs::Ask(QWidget* parent, const QString& text) {
    return ShowModal(QMessageBox::Question, text, parent,
                     {{QMessageBox::Yes, QStringLiteral("是")},
                      {QMessageBox::No, QStringLiteral("否")}}) == QMessageBox::Yes;
}

QString MessageBoxDialogs::ChooseSaveFile(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("位置："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("文件类型："));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
