#pragma once
// Answers the program's message boxes in tests and remembers them.

#include <QStringList>
#include <deque>
#include <vector>

#include "messages.h"

class TMessageLog {
  public:
    TMessageLog() {
        SetMessageAnswerer([this](const TMessage& message) {
            Shown.push_back(message);
            if (message.Kind != TMessageKind::Question || Answers.empty()) return true;
            bool answer = Answers.front();
            Answers.pop_front();
            return answer;
        });
    }
    ~TMessageLog() { SetMessageAnswerer({}); }

    QStringList Texts() const {
        QStringList texts;
        for (const TMessage& message : Shown) texts << message.Text;
        return texts;
    }

    std::vector<TMessage> Shown;
    std::deque<bool> Answers;  // for the questions, in turn; Yes when empty
};
