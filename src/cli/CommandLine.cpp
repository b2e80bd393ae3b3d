#include "cli/CommandLine.h"

#include "cli/CliContext.h"

namespace valtrane::cli {

CommandLine::CommandLine(QString name, QString summary)
    : m_name(std::move(name))
{
    m_parser.setApplicationDescription(summary);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                          QStringLiteral("Show this help.")));
}

bool CommandLine::parse(CliContext &context, const QStringList &args, int &exitCode)
{
    QStringList withName = args;
    withName.prepend(QStringLiteral("valtrane-cli ") + m_name);
    if (!m_parser.parse(withName)) {
        context.err << "valtrane-cli " << m_name << ": " << m_parser.errorText() << "\n";
        context.err << "Try 'valtrane-cli " << m_name << " --help'.\n";
        context.err.flush();
        exitCode = 2;
        return false;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        // The parser names the running program; the help names the command as it is typed.
        QString help = m_parser.helpText();
        const qsizetype options = help.indexOf(QLatin1String(" [options]"));
        if (help.startsWith(QLatin1String("Usage: ")) && options > 0)
            help.replace(7, options - 7, QLatin1String("valtrane-cli [--home DIR] ") + m_name);
        context.out << help;
        context.out.flush();
        exitCode = 0;
        return false;
    }
    return true;
}

} // namespace valtrane::cli
