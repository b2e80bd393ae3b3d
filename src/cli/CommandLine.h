#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace valtrane::cli {

struct CliContext;

// A sub-command's own options. parse() answers --help itself; it returns false when the command
// should stop, with exitCode set (0 after --help, 2 after a usage error).
class CommandLine {
public:
    CommandLine(QString name, QString summary);

    QCommandLineParser &parser() { return m_parser; }
    bool parse(CliContext &context, const QStringList &args, int &exitCode);

private:
    QString m_name;
    QCommandLineParser m_parser;
};

} // namespace valtrane::cli
