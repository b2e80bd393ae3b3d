#pragma once

#include <QByteArray>
#include <QStringList>

namespace valtrane::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs valtrane-cli with --home home and the arguments; input is written to its standard input.
CliResult runCli(const QString &home, const QStringList &args, const QByteArray &input = QByteArray(), int timeoutMs = 60000);

} // namespace valtrane::test
