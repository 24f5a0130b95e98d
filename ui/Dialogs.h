#pragma once

#include <QString>

class QWidget;

// Modal message boxes titled with the program's name (kAppTitle), and the dialog that chooses a
// file to save to. Windows receive them from outside so that tests can read what was said and give
// the answer.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Information icon, OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // Question icon, Yes and No buttons; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& text) = 0;
    // A file to save to, titled title; filter names the kind of file ("日历文件 (*.ics)"), whose
    // suffix ("ics") a name typed without one is given. Empty when the user cancelled.
    virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suffix) = 0;
};

// The real message boxes and file dialog.
class MessageBoxDialogs final : public Dialogs {
  public:
    void Inform(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& text) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suffix) override;
};
