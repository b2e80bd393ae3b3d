#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DownloadSession.h"
#include "cli/ModelOptions.h"
#include "link/ComPortMap.h"
#include "link/QtSerialControl.h"

namespace valtrane::cli {

int runDownload(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("download"),
                     QStringLiteral("Downloads a gauge's stored data from a serial port into the database, as the import "
                                    "wizard does, printing the status as it changes, then the outcome and the table list. "
                                    "What arrives is also kept in captures/.\n"
                                    "In a continuous download Ctrl-C is \"Done\"; otherwise, or a second time, it aborts."));
    QCommandLineParser &parser = line.parser();
    parser.addOption({QStringLiteral("port"), QStringLiteral("COM1 to COM4, or a device path"), QStringLiteral("P")});
    addModelOptions(parser);
    parser.addOption({QStringLiteral("baud"),
                      QStringLiteral("SG2150 only: 1200 (received or updated after January 1, 2007) or 4800; asked when not given"),
                      QStringLiteral("N")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;

    const auto choice = readModelChoice(context, parser, exitCode);
    if (!choice)
        return exitCode;
    int baud = 0;
    if (parser.isSet(QStringLiteral("baud"))) {
        baud = parser.value(QStringLiteral("baud")).toInt();
        if (choice->model != SG2150 || (baud != 1200 && baud != 4800))
            return context.fail(QStringLiteral("--baud is for the SG2150 only, 1200 or 4800"));
    }
    const QString port = parser.value(QStringLiteral("port"));
    if (port.isEmpty())
        return context.fail(QStringLiteral("--port is needed: COM1 to COM4, or a device path"));

    link::ComPortMap ports(context.paths);
    int portNumber = link::ComPortMap::portNumber(port).value_or(0);
    if (portNumber <= 0) {
        portNumber = 1;
        ports.setDevice(portNumber, port);
    }
    link::QtSerialControl control(ports);
    DownloadSession session(context, control);
    session.setStiffnessBaud(baud);
    return session.run({portNumber - 1, choice->model, choice->continuous ? 1 : 0});
}

} // namespace valtrane::cli
