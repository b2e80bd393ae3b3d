// The live path over a pseudo-terminal: how far above the gauge's line rate the program reads a
// stream into the database, and what waiting for a gauge costs the processor.
#include "Bench.h"

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/GaugeSimulator.h"
#include "link/PseudoTerminal.h"
#include "link/QtSerialControl.h"

#include <QCoreApplication>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace valtrane;

namespace {

constexpr double LineBytesPerSecond = 1920;  // 19200 baud, the fastest gauge
constexpr int Readings = 20000;

// One long load-frame test, as the logger prints it.
QByteArray loggerTest()
{
    QByteArray s = "\r\nCBR/LBR TEST\r\nNO.,TIME,LOAD,PENETRATION,(),()\r\n";
    for (int n = 1; n <= Readings; ++n) {
        s += QByteArray::number(n) + ",00:" + QByteArray::number(n % 60).rightJustified(2, '0') + ":"
             + QByteArray::number(n % 60).rightJustified(2, '0') + "," + QByteArray::number(n * 0.0125, 'f', 4)
             + "," + QByteArray::number(n * 0.001, 'f', 4) + ",0.0000,0.0000\r\n";
    }
    // The end byte ends the read too where the test's end is not recognised.
    return s + "END\r\n\r\n\xFD";
}

// The program's link on COM1, a pseudo-terminal, in a program folder of its own.
struct PtyLink {
    PtyLink()
    {
        paths.ensureInfoFolder();
        ports.setDevice(1, pty.slavePath());
        comm.setComm_Object(&control);
    }

    QTemporaryDir dir;
    AppPaths paths{dir.path()};
    link::PseudoTerminal pty;
    link::ComPortMap ports{paths};
    link::QtSerialControl control{ports};
    AppState state;
    link::Communication comm{paths, state};
};

int rowsStored(const AppPaths &paths)
{
    db::Database database;
    int rows = 0;
    if (database.open(paths.database())) {
        for (const QString &table : database.tableNames()) {
            if (auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table))
                rows += rs->recordCount();
        }
    }
    return rows;
}

struct Reading {
    double seconds = 0;
    int rows = 0;
};

// A stream as fast as the pseudo-terminal takes it, read by the link into the database.
Reading readStream(const QByteArray &stream)
{
    PtyLink line;
    const link::GaugeSimulator gauge(stream, 0);
    std::thread sender;
    line.comm.setYield([&] {
        if (!sender.joinable())
            sender = std::thread([&] { gauge.send([&line](const char *d, qint64 n) { return line.pty.write(d, n, 100); }); });
        QCoreApplication::processEvents();
    });
    line.comm.RunTest();
    const double s = bench::seconds([&] { line.comm.GetData(0, 0); });
    line.comm.Close_Port();
    sender.join();
    return {s, rowsStored(line.paths)};
}

double processorSeconds()
{
#ifdef Q_OS_UNIX
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
#else
    return 0;
#endif
}

const bench::Register throughput("link: a load-frame test over a pseudo-terminal into the database", [](bench::BenchReport &report) {
    const QByteArray stream = loggerTest();
    const Reading reading = readStream(stream);
    const double rate = double(stream.size()) / reading.seconds;
    report.figure(QStringLiteral("stream"), double(stream.size()) / 1e6, QStringLiteral("MB"));
    report.figure(QStringLiteral("rows stored"), reading.rows, QStringLiteral("rows"));
    report.figure(QStringLiteral("read, filtered, parsed and stored"), reading.seconds, QStringLiteral("s"));
    report.figure(QStringLiteral("rate"), rate, QStringLiteral("bytes/s"));
    report.figure(QStringLiteral("multiple of the 19200-baud line rate (goal >= 100)"), rate / LineBytesPerSecond, QStringLiteral("x"));
    report.ratio(QStringLiteral("time per byte / line time per byte"), 1 / rate, 1 / LineBytesPerSecond, 0.01);
});

const bench::Register waiting("link: waiting 10 s for a first byte", [](bench::BenchReport &report) {
    PtyLink line;
    link::Communication &comm = line.comm;
    QElapsedTimer wall;
    comm.setYield([&] {
        QCoreApplication::processEvents();
        comm.Abort_Download = wall.elapsed() >= 10000;
    });
    comm.RunTest();
    const double before = processorSeconds();
    wall.start();
    comm.GetData(0, 1);
    const double cpu = processorSeconds() - before;
    const double elapsed = double(wall.elapsed()) / 1000;
    comm.Close_Port();
    report.figure(QStringLiteral("waited"), elapsed, QStringLiteral("s"));
    report.figure(QStringLiteral("processor time"), cpu, QStringLiteral("s"));
    report.figure(QStringLiteral("share of one core (goal well under 5%)"), 100 * cpu / elapsed, QStringLiteral("%"));
    report.ratio(QStringLiteral("processor time / time waited"), cpu, elapsed, 0.05);
});

} // namespace
