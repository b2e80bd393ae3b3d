// Whole downloads with the gauges' own grammars: each model's report over a pseudo-terminal
// through the real serial control, compared row for row with the same report read without a
// port, and with the replay of the download's capture.
#include "wizard/DownloadRun.h"

#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "link/QtSerialControl.h"
#include "parse/SampleStreams.h"
#include "support/ProjectSnapshot.h"
#include "support/PtyGauge.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;
using wizard::DownloadRun;

namespace {

#ifdef Q_OS_UNIX

struct Outcome {
    bool succeeded = false;
    std::int16_t lastStatus = -1;
    QString tableList;
    test::ProjectSnapshot rows;
    QString capture;
};

// One download in a program folder of its own. yield runs at every step of the read loop.
Outcome download(link::SerialControl &control, const wizard::DownloadChoice &choice,
                 const std::function<void(link::Communication &)> &prepare, bool capturing = true)
{
    test::TempHome home;
    AppState state;
    link::Communication comm(home.paths(), state);
    prepare(comm);
    test::ScriptedPrompter prompter;
    DownloadRun run(home.paths(), state, comm, control, prompter);
    run.setCapturing(capturing);
    Outcome outcome;
    outcome.succeeded = run.start(choice);
    outcome.lastStatus = state.LastStatus;
    outcome.tableList = state.Table_List;
    outcome.rows = test::ProjectSnapshot::of(home.paths());
    QFile capture(run.capturePath());
    if (capture.open(QIODevice::ReadOnly))
        outcome.capture = QString::fromLatin1(capture.readAll());
    return outcome;
}

// The stream read from the port's buffer, without a port; a continuous download ends with its
// stream, as if "Done" was pressed there.
Outcome downloadWithoutPort(const QByteArray &stream, const wizard::DownloadChoice &choice)
{
    link::FakeSerialControl control;
    control.queueBytes(stream);
    return download(control, choice, [&control](link::Communication &comm) {
        comm.setClock(control.clock());
        control.setOnExhausted([&comm] { comm.Stop_Download = true; });
    }, false);
}

Outcome downloadOverPty(test::PtyGauge &gauge, const wizard::DownloadChoice &choice,
                        const std::function<void(link::Communication &)> &atEachStep = {})
{
    test::TempHome portHome;
    link::ComPortMap ports(portHome.paths());
    ports.setDevice(choice.portIndex + 1, gauge.device());
    link::QtSerialControl control(ports);
    return download(control, choice, [&](link::Communication &comm) {
        comm.setYield(gauge.startOnFirstYield(false, [&comm, atEachStep] {
            if (atEachStep)
                atEachStep(comm);
        }));
    });
}

class EveryModel : public ::testing::TestWithParam<int> {};

TEST_P(EveryModel, DownloadsItsReportOverAPseudoTerminalRowForRowAndReplaysItsCapture)
{
    const int model = GetParam();
    const QByteArray stream = parse::sampleStream(model);
    const wizard::DownloadChoice choice{1, model, 0};
    test::PtyGauge gauge(stream);
    const Outcome live = downloadOverPty(gauge, choice);
    ASSERT_TRUE(live.succeeded) << live.lastStatus;
    EXPECT_FALSE(live.tableList.isEmpty());
    ASSERT_FALSE(live.rows.tables.empty());
    for (const auto &[table, rows] : live.rows.tables)
        EXPECT_FALSE(rows.empty()) << qPrintable(table);
    ASSERT_FALSE(live.capture.isEmpty());
    EXPECT_TRUE(stream.startsWith(live.capture.toLatin1()));
    // The same stream without a port, and the capture replayed, give the same tables and rows.
    for (const QByteArray &again : {stream, live.capture.toLatin1()}) {
        const Outcome other = downloadWithoutPort(again, choice);
        EXPECT_EQ(other.tableList, live.tableList);
        EXPECT_EQ(test::ProjectSnapshot::difference(other.rows, live.rows), "");
    }
}

INSTANTIATE_TEST_SUITE_P(LiveDownload, EveryModel, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150));

TEST(LiveDownload, AContinuousLoggerDownloadOfTwoTestsStoppedAfterTheSecondKeepsBoth)
{
    const QByteArray report = parse::sampleStream(LD4800);
    const qsizetype secondEnd = report.indexOf("END", report.indexOf("END") + 3);
    ASSERT_GT(secondEnd, 0);
    const QByteArray twoTests = report.left(secondEnd + 7);  // END and the four characters after it
    test::PtyGauge gauge(twoTests);
    int testsEnded = 0;
    bool between = true;
    const Outcome live = downloadOverPty(gauge, {0, LD4800, 1}, [&](link::Communication &comm) {
        if (comm.Between_Tests && !between && ++testsEnded == 2)
            comm.Stop_Download = true;  // "Done", pressed while the wizard waits for a third test
        between = comm.Between_Tests;
    });
    ASSERT_TRUE(live.succeeded) << live.lastStatus;
    EXPECT_EQ(live.tableList.count(' '), 2);
    EXPECT_EQ(test::ProjectSnapshot::difference(live.rows, downloadWithoutPort(twoTests, {0, LD4800, 1}).rows), "");
}

#endif

} // namespace
