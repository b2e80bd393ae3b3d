#pragma once

#include "common/Prompter.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace valtrane::test {

// Answers from a script (No once it is used up; Ok for messages) and remembers everything shown.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    explicit ScriptedPrompter(std::deque<Answer> answers = {}) : m_answers(std::move(answers)) {}

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (m_answers.empty())
            return Answer::No;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;

    QStringList texts() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out.append(s.text);
        return out;
    }

private:
    std::deque<Answer> m_answers;
};

} // namespace valtrane::test
