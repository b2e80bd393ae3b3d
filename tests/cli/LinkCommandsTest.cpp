#include "common/AppState.h"
#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/LinkTestHelpers.h"
#include "link/QtSerialControl.h"
#include "link/ScriptedParser.h"
#include "parse/SampleStreams.h"
#include "report/InfoFile.h"
#include "support/HomeProjectState.h"
#include "support/CliRunner.h"
#include "support/PtyGauge.h"

#include <QProcess>
#include <QSerialPort>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

#ifdef Q_OS_UNIX

TEST(PortsCommand, PrintsTheScanAndACaptionPerPortOfTheDevicesTheEnvironmentNames)
{
    test::TempHome home;
    test::PtyGauge free("");
    for (int i = 1; i <= 4; ++i)
        qputenv(qPrintable(QStringLiteral("VALTRANE_COM%1").arg(i)), (i == 1 ? free.device() : home.path() + "/none").toLocal8Bit());
    const auto r = test::runCli(home.path(), {"ports"});
    for (int i = 1; i <= 4; ++i)
        qunsetenv(qPrintable(QStringLiteral("VALTRANE_COM%1").arg(i)));
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.startsWith("1xxx\nCOM1: AVAILABLE (" + free.device().toLocal8Bit() + ")\nCOM2: UNAVAILABLE")) << r.out.constData();
}

TEST(DownloadCommand, RefusesChoicesTheWizardDoesNotOfferAndAStreamWithoutTablesEndsAsNoTablesCreated)
{
    test::TempHome home;
    const QList<QStringList> refused{{"download", "--port", "COM1", "--model", "NG7700B", "--baud", "4800"},
                                     {"download", "--port", "COM1", "--model", "SG2150", "--baud", "9600"},
                                     {"download", "--port", "COM1", "--model", "SG2150", "--continuous"},
                                     {"download", "--port", "COM1", "--model", "LD4900"},
                                     {"download", "--model", "LD4800"}, {"replay", "--model", "LD4800"}, {"simulate", "--model", "NG7700A"}};
    for (const QStringList &args : refused) {
        const auto r = test::runCli(home.path(), args);
        // Refused as a choice, before any port is tried.
        EXPECT_TRUE(r.exitCode != 0 && r.err.startsWith("error: ") && !r.err.contains("(status ")) << qPrintable(args.join(' ')) << r.err.constData();
    }
    EXPECT_FALSE(home.exists("captures"));

    test::PtyGauge gauge(QByteArray("\r\nNO DATA STORED\r\n\xFD"));
    gauge.startWhenOpened(500);
    const auto r = test::runCli(home.path(), {"download", "--port", gauge.device(), "--model", "ng7700a"});
    EXPECT_EQ(r.exitCode, 1);
    for (const char *said : {"Status: Connected\n", "Status: No Tables Created\n", "LastStatus: 5454"})
        EXPECT_TRUE(r.out.contains(said)) << said << r.out.constData();
    EXPECT_TRUE(r.err.contains("status 5454"));
}

TEST(SimulateCommand, AProgramThatClosesTheLineEarlyLeavesTheWholeReportForTheDownloadOnThePrintedDevice)
{
    test::TempHome home;
    // More than the line holds: a program that does not read cannot have received it all.
    const QByteArray report = test::longReport(1600) + "\xFD";
    home.writeFile("report.txt", report);
    QProcess gauge;
    gauge.start(test::cliPath(), {"simulate", "--model", "NG7700A", "--pty", "--file", home.path() + "/report.txt",
                                  "--baud", "4000000"});
    ASSERT_TRUE(gauge.waitForReadyRead(10000));
    const QString device = QString::fromLocal8Bit(gauge.readLine().trimmed());
    ASSERT_TRUE(device.startsWith("/dev/"));

    QSerialPort early(device);
    ASSERT_TRUE(early.open(QIODevice::ReadWrite));
    ASSERT_TRUE(early.waitForReadyRead(10000));
    early.close();
    gauge.setReadChannel(QProcess::StandardError);
    QByteArray told;
    while (!told.contains("the next program to open it gets the whole report again") && gauge.waitForReadyRead(10000))
        told += gauge.readAll();
    ASSERT_TRUE(told.contains("The line was closed after ")) << told.constData();

    AppState state;
    link::ComPortMap ports(home.paths());
    ports.setDevice(1, device);
    link::QtSerialControl control(ports);
    auto *parser = new test::ScriptedParser;
    link::Communication comm(home.paths(), state, std::unique_ptr<link::StreamParser>(parser));
    comm.setComm_Object(&control);
    ASSERT_EQ(comm.RunTest(), 0);
    EXPECT_EQ(comm.GetData(1, 0), 0);
    EXPECT_EQ(parser->received, test::filtered(report.mid(4, report.size() - 5)));
    comm.Close_Port();
    ASSERT_TRUE(gauge.waitForFinished(10000));
    EXPECT_EQ(gauge.exitCode(), 0);
}

TEST(ReplayCommand, ACapturedDownloadReplaysIntoTheSameDatabaseKeepingTheLabInformation)
{
    test::TempHome live, again;
    test::PtyGauge gauge(parse::sampleStream(NG7700B));
    gauge.startWhenOpened(500);
    const auto downloaded = test::runCli(live.path(), {"download", "--port", gauge.device(), "--model", "NG7700B"});
    ASSERT_EQ(downloaded.exitCode, 0) << downloaded.err.constData();
    const qsizetype at = downloaded.out.indexOf("Capture: ");
    const QString capture = at < 0 ? QString() : QString::fromLocal8Bit(downloaded.out.mid(at + 9).split('\n').first());

    AppState lab;
    for (size_t i = 0; i < lab.CInfo.size(); ++i)
        lab.CInfo[i] = QStringLiteral("Lab line %1").arg(i);
    ASSERT_TRUE(report::InfoFile::write(again.paths(), lab));
    const auto replayed = test::runCli(again.path(), {"replay", capture, "--model", "NG7700B"});
    ASSERT_EQ(replayed.exitCode, 0) << replayed.err.constData();
    AppState after;
    report::InfoFile::read(again.paths(), after);
    EXPECT_EQ(after.CInfo, lab.CInfo);
    const auto liveState = test::HomeProjectState::of(live);
    ASSERT_FALSE(capture.isEmpty() || liveState.rows.tables.empty());
    EXPECT_EQ(test::projectStateDifference(again, liveState), "");
    EXPECT_FALSE(again.exists("captures"));  // a replay is not a live download
}

#endif

} // namespace
