#pragma once

#include "common/Prompter.h"

#include <QTextStream>

namespace valtrane::cli {

// Questions on the terminal. When standard input is not a terminal nobody can answer: questions
// then take their default answer (No, or Cancel) and messages are only printed.
class TerminalPrompter : public Prompter {
public:
    TerminalPrompter(QTextStream &err, bool interactive);

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

    static bool standardInputIsTerminal();

private:
    QTextStream &m_err;
    bool m_interactive;
};

} // namespace valtrane::cli
