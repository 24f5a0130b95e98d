#include <QMessageBox>

#include "ui/Dialogs.h"

void MessageBoxDialogs::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kAppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBoxDialogs::Ask(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}
