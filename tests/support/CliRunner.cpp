#include "support/CliRunner.h"

#include "support/TempHome.h"

#include <QProcess>

namespace valtrane::test {

CliResult runCli(const QString &home, const QStringList &args, const QByteArray &input, int timeoutMs)
{
    QProcess process;
    process.start(cliPath(), QStringList{QStringLiteral("--home"), home} + args);
    if (!process.waitForStarted())
        return {};
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace valtrane::test
