#pragma once

#include <QStringList>

#include <deque>

#include "ui/Dialogs.h"

// Records every message box and file dialog instead of showing it; questions are answered from a
// queue (No when the queue is empty), file dialogs from another (cancelled when it is empty).
class RecordingDialogs final : public Dialogs {
  public:
    struct Shown {
        enum class Kind { Information, Question, SaveFile } kind;
        QString text;  // a file dialog's title
    };

    void Inform(QWidget*, const QString& text) override {
        shown.push_back({Shown::Kind::Information, text});
    }
    bool Ask(QWidget*, const QString& text) override {
        shown.push_back({Shown::Kind::Question, text});
        if (answers.empty())
            return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString ChooseSaveFile(QWidget*, const QString& title, const QString&,
                           const QString&) override {
        shown.push_back({Shown::Kind::SaveFile, title});
        if (files.empty())
            return {};
        QString file = files.front();
        files.pop_front();
        return file;
    }

    QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown)
            all << s.text;
        return all;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<QString> files;
};
