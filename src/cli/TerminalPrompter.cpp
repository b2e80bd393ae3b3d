#include "cli/TerminalPrompter.h"

#include <cstdio>
#include <iostream>
#include <string>

#ifdef Q_OS_WIN
#include <io.h>
#define VALTRANE_ISATTY _isatty
#define VALTRANE_FILENO _fileno
#else
#include <unistd.h>
#define VALTRANE_ISATTY isatty
#define VALTRANE_FILENO fileno
#endif

namespace valtrane::cli {

TerminalPrompter::TerminalPrompter(QTextStream &err, bool interactive)
    : m_err(err)
    , m_interactive(interactive)
{
}

bool TerminalPrompter::standardInputIsTerminal()
{
    return VALTRANE_ISATTY(VALTRANE_FILENO(stdin)) != 0;
}

Prompter::Answer TerminalPrompter::ask(const QString &text, const QString &title, Buttons buttons, Icon)
{
    const QString flat = QString(text).replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (buttons == Buttons::Ok) {
        m_err << title << ": " << flat << "\n";
        m_err.flush();
        return Answer::Ok;
    }
    const Answer fallback = buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    if (!m_interactive) {
        m_err << title << ": " << flat << " (no terminal to answer; taken as "
              << (fallback == Answer::Cancel ? "Cancel" : "No") << ")\n";
        m_err.flush();
        return fallback;
    }
    const QString choices = buttons == Buttons::YesNoCancel ? QStringLiteral("[y/n/c]") : QStringLiteral("[y/n]");
    for (;;) {
        m_err << title << ": " << flat << " " << choices << " ";
        m_err.flush();
        std::string line;
        if (!std::getline(std::cin, line))
            return fallback;
        const QString answer = QString::fromStdString(line).trimmed().toLower();
        if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
            return Answer::Yes;
        if (answer == QLatin1String("n") || answer == QLatin1String("no"))
            return Answer::No;
        if (buttons == Buttons::YesNoCancel && (answer == QLatin1String("c") || answer == QLatin1String("cancel")))
            return Answer::Cancel;
    }
}

} // namespace valtrane::cli
