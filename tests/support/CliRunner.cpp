#include "support/CliRunner.h"

#include "support/TempHome.h"

#include <QProcess>

namespace valtrane::test {

CliResult runCli(const QString &home, const QStringList &args, const QByteArray &input, int timeoutMs)
{
    QProcess process;
    QStringList all{QStringLiteral("--home"), home};
    all += args;
    process.start(cliPath(), all);
    CliResult result;
    if (!process.waitForStarted())
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace valtrane::test
