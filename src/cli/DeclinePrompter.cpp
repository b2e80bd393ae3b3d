#include "cli/DeclinePrompter.h"

namespace valtrane::cli {

DeclinePrompter::DeclinePrompter(Prompter &messages, QTextStream &err, QString consequence)
    : m_messages(messages)
    , m_err(err)
    , m_consequence(std::move(consequence))
{
}

Prompter::Answer DeclinePrompter::ask(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    if (buttons == Buttons::Ok)
        return m_messages.ask(text, title, buttons, icon);
    m_err << title << ": " << text << " No: " << m_consequence << "\n";
    m_err.flush();
    return Answer::No;
}

} // namespace valtrane::cli
