#pragma once

#include "common/Prompter.h"

#include <QTextStream>

namespace valtrane::cli {

// Answers every question No and says so on stderr, with what that answer means; messages go on to
// the terminal. For questions whose Yes would open a window the command line does not have.
class DeclinePrompter : public Prompter {
public:
    DeclinePrompter(Prompter &messages, QTextStream &err, QString consequence);

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

private:
    Prompter &m_messages;
    QTextStream &m_err;
    QString m_consequence;
};

} // namespace valtrane::cli
