#pragma once

#include <QStringList>

#include <deque>

#include "ui/Dialogs.h"

// Records every message box instead of showing it; questions are answered from a queue (No when
// the queue is empty).
class RecordingDialogs final : public Dialogs {
  public:
    struct Shown {
        enum class Kind { Information, Question } kind;
        QString text;
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

    QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown)
            all << s.text;
        return all;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
};
