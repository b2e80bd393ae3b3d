#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DownloadSession.h"
#include "cli/ModelOptions.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"

#include <QFile>

namespace valtrane::cli {

int runReplay(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("replay"),
                     QStringLiteral("Runs a captured download (a file of captures/) through the same path as a live one, "
                                    "as if it came from the port: the database, registry and table list are those of the "
                                    "download it came from."));
    QCommandLineParser &parser = line.parser();
    parser.addPositionalArgument(QStringLiteral("CAPTURE"), QStringLiteral("a capture file"));
    addModelOptions(parser);
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return context.fail(QStringLiteral("replay needs exactly one CAPTURE file"));
    const auto choice = readModelChoice(context, parser, exitCode);
    if (!choice)
        return exitCode;
    const bool continuous = choice->continuous;

    QFile file(parser.positionalArguments().first());
    if (!file.open(QIODevice::ReadOnly))
        return context.fail(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
    link::FakeSerialControl control;
    control.queueBytes(file.readAll());

    DownloadSession session(context, control);
    session.setCapturing(false);
    // The stored bytes play at once; silence after them passes on the line's own clock, so an idle
    // end comes as it came live, and a continuous download ends where its capture does ("Done").
    session.setStiffnessBaud(1200);
    session.setPrepare([&control, continuous](link::Communication &communication) {
        communication.setClock(control.clock());
        // The capture is all that arrived: its quiet end is the end of the stream.
        communication.setQuietEndCompletes(true);
        if (continuous)
            control.setOnExhausted([&communication] { communication.Stop_Download = true; });
    });
    return session.run({0, choice->model, continuous ? 1 : 0});
}

} // namespace valtrane::cli
