#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/InterruptCounter.h"
#include "link/ComPortMap.h"
#include "link/GaugeModels.h"
#include "link/GaugeSimulator.h"
#include "link/PseudoTerminal.h"
#include "link/PseudoTerminalGauge.h"
#include "wizard/DownloadRun.h"

#include <QFile>
#include <QSerialPort>

namespace valtrane::cli {

namespace {

constexpr int WriteWaitMs = 100;

int sendOnPseudoTerminal(CliContext &context, const link::GaugeSimulator &gauge, const InterruptCounter &interrupts)
{
    using Event = link::PseudoTerminalGauge::Event;
    link::PseudoTerminal pty;
    if (!pty.isOpen())
        return context.fail(QStringLiteral("no pseudo-terminal can be made on this system"));
    const QString device = pty.slavePath();
    context.out << device << "\n";
    context.out.flush();
    const qint64 total = gauge.bytes().size();
    bool first = true;
    QTextStream &err = context.err;
    link::PseudoTerminalGauge line(pty, gauge);
    const bool sent = line.serve(&interrupts.interrupted(), [&](Event event, qint64 bytes) {
        switch (event) {
        case Event::WaitingForProgram:
            if (first)
                err << "The gauge is on " << device << "; waiting for a program to open it (desktop program: VALTRANE_COM1="
                    << device << ").\n";
            first = false;
            break;
        case Event::PortScan:
            err << "A program opened the line and asked for a modem (a port scan); the gauge stays silent until it "
                   "closes the line.\n";
            break;
        case Event::ClosedEarly:
            err << "The line was closed after " << bytes << " of " << total
                << " bytes; the next program to open it gets the whole report again.\n";
            break;
        case Event::Sent:
            err << "Sent " << bytes << " of " << total << " bytes; waiting for the program to close the line.\n";
            break;
        }
        err.flush();
    });
    if (!sent)
        return context.fail(QStringLiteral("interrupted before the whole report was sent"));
    return 0;
}

int sendOnPort(CliContext &context, const link::GaugeSimulator &gauge, const QString &port, int baud,
               const InterruptCounter &interrupts)
{
    link::ComPortMap ports(context.paths);
    const auto number = link::ComPortMap::portNumber(port);
    QSerialPort serial(number ? ports.device(*number) : port);
    serial.setBaudRate(baud);
    if (!serial.open(QIODevice::ReadWrite))
        return context.fail(QStringLiteral("cannot open %1: %2").arg(serial.portName(), serial.errorString()));
    const qint64 sent = gauge.send(
        [&serial](const char *data, qint64 size) {
            const qint64 n = serial.write(data, size);
            serial.waitForBytesWritten(WriteWaitMs);
            return n;
        },
        &interrupts.interrupted());
    while (serial.bytesToWrite() > 0 && serial.waitForBytesWritten(WriteWaitMs)) {
    }
    context.err << "Sent " << sent << " of " << gauge.bytes().size() << " bytes on " << serial.portName() << ".\n";
    return 0;
}

} // namespace

int runSimulate(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("simulate"),
                     QStringLiteral("Acts as a gauge: sends the model's built-in report (or a file) at the line rate, with "
                                    "the end byte where that model's gauge sends one. With --pty it makes a pseudo-terminal, "
                                    "prints its device path and sends to the first program that opens it and keeps "
                                    "quiet for half a second; a port scan, or a program that closes the line before the "
                                    "whole report went out, does not use the gauge up: the next program gets the whole "
                                    "report again. It ends once the whole report was sent and the program closed the line."));
    QCommandLineParser &parser = line.parser();
    parser.addOption({QStringLiteral("model"), QStringLiteral("LD4800, NG7700A, NG7700B or SG2150"), QStringLiteral("M")});
    parser.addOption({QStringLiteral("port"), QStringLiteral("COM1 to COM4, or a device path"), QStringLiteral("P")});
    parser.addOption({QStringLiteral("pty"), QStringLiteral("send on a new pseudo-terminal")});
    parser.addOption({QStringLiteral("file"), QStringLiteral("send this file instead of the built-in report"), QStringLiteral("F")});
    parser.addOption({QStringLiteral("baud"), QStringLiteral("line rate (default: the model's)"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("drop-after"), QStringLiteral("the line goes dead after N bytes"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("garble"), QStringLiteral("share of bytes (0 to 1) replaced by noise"), QStringLiteral("RATE")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("seed of the noise (default 1)"), QStringLiteral("N")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;

    const auto model = link::modelFromName(parser.value(QStringLiteral("model")));
    if (!model)
        return context.fail(QStringLiteral("--model must be ") + link::modelNames());
    const bool onPty = parser.isSet(QStringLiteral("pty"));
    if (onPty == parser.isSet(QStringLiteral("port")))
        return context.fail(QStringLiteral("give either --port P or --pty"));

    std::optional<QByteArray> file;
    if (parser.isSet(QStringLiteral("file"))) {
        QFile f(parser.value(QStringLiteral("file")));
        if (!f.open(QIODevice::ReadOnly))
            return context.fail(QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString()));
        file = f.readAll();
    }
    const QByteArray stream = link::GaugeSimulator::streamFor(*model, file);
    if (stream.isEmpty())
        return context.fail(QStringLiteral("there is nothing to send for the %1").arg(link::modelName(*model)));

    bool ok = true;
    int baud = wizard::DownloadRun::linkSettings(*model, false).baudRate;
    if (parser.isSet(QStringLiteral("baud")))
        baud = parser.value(QStringLiteral("baud")).toInt(&ok);
    link::LineFaults faults;
    if (ok && parser.isSet(QStringLiteral("drop-after")))
        faults.dropAfter = parser.value(QStringLiteral("drop-after")).toLongLong(&ok);
    if (ok && parser.isSet(QStringLiteral("garble")))
        faults.garbleRate = parser.value(QStringLiteral("garble")).toDouble(&ok);
    if (ok && parser.isSet(QStringLiteral("seed")))
        faults.seed = parser.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok || baud <= 0 || faults.garbleRate < 0 || faults.garbleRate > 1 || (faults.dropAfter && *faults.dropAfter < 0))
        return context.fail(QStringLiteral("--baud, --drop-after, --garble and --seed take numbers (--garble 0 to 1)"));

    const link::GaugeSimulator gauge(stream, baud, faults);
    InterruptCounter interrupts;
    if (onPty)
        return sendOnPseudoTerminal(context, gauge, interrupts);
    return sendOnPort(context, gauge, parser.value(QStringLiteral("port")), baud, interrupts);
}

} // namespace valtrane::cli
