#pragma once

#include <QString>

class QWidget;

// Modal message boxes titled with the program's name (kAppTitle). Windows receive them from outside
// so that tests can read what was said and give the answer.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Information icon, OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // Question icon, Yes and No buttons; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& text) = 0;
};

// The real message boxes.
class MessageBoxDialogs final : public Dialogs {
  public:
    void Inform(QWidget* parent, const QString& text) override;
    bool Ask(QWidget* parent, const QString& text) override;
};
