#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace valtrane::cli {

struct CliContext;

using CommandFunction = int (*)(CliContext &, const QStringList &);

struct Command {
    QString name;
    QString synopsis;   // arguments, as --help lists them
    QString summary;    // one line
    CommandFunction run;
};

// Every sub-command of valtrane-cli, in the order --help lists them.
const std::vector<Command> &commands();

// One function per sub-command, each in its own file.
int runPorts(CliContext &, const QStringList &);
int runDownload(CliContext &, const QStringList &);
int runReplay(CliContext &, const QStringList &);
int runOpen(CliContext &, const QStringList &);
int runSave(CliContext &, const QStringList &);
int runTables(CliContext &, const QStringList &);
int runDump(CliContext &, const QStringList &);
int runConstants(CliContext &, const QStringList &);
int runStiffnessSummary(CliContext &, const QStringList &);
int runExport(CliContext &, const QStringList &);
int runSimulate(CliContext &, const QStringList &);
int runReport(CliContext &, const QStringList &);
int runLabInfo(CliContext &, const QStringList &);

} // namespace valtrane::cli
