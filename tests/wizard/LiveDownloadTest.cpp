#include "wizard/DownloadRun.h"

#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "link/GaugeModels.h"
#include "link/QtSerialControl.h"
#include "parse/SampleStreams.h"
#include "project/ProjectOpen.h"
#include "support/CliRunner.h"
#include "support/HomeProjectState.h"
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

Outcome downloadWithoutPort(const QByteArray &stream, const wizard::DownloadChoice &choice)
{
    link::FakeSerialControl control;
    control.queueBytes(stream);
    return download(control, choice, [&control](link::Communication &comm) {
        comm.setClock(control.clock());
        control.setOnExhausted([&comm] { comm.Stop_Download = true; });
    }, false);
}

class EveryModel : public ::testing::TestWithParam<int> {};

TEST_P(EveryModel, DownloadsItsReportOverAPseudoTerminalRowForRowAndReplaysItsCapture)
{
    const int model = GetParam();
    const QByteArray stream = parse::sampleStream(model);
    const wizard::DownloadChoice choice{1, model, 0};
    test::PtyGauge gauge(stream);
    test::TempHome portHome;
    link::ComPortMap ports(portHome.paths());
    ports.setDevice(choice.portIndex + 1, gauge.device());
    link::QtSerialControl control(ports);
    const Outcome live = download(control, choice, [&gauge](link::Communication &comm) { comm.setYield(gauge.startOnFirstYield()); });
    ASSERT_TRUE(live.succeeded) << live.lastStatus;
    ASSERT_FALSE(live.tableList.isEmpty() || live.rows.tables.empty() || live.capture.isEmpty());
    EXPECT_TRUE(stream.startsWith(live.capture.toLatin1()));
    // The same stream without a port, and the capture replayed, give the same tables and rows.
    for (const QByteArray &again : {stream, live.capture.toLatin1()}) {
        const Outcome other = downloadWithoutPort(again, choice);
        EXPECT_EQ(other.tableList, live.tableList);
        EXPECT_EQ(test::ProjectSnapshot::difference(other.rows, live.rows), "");
    }
}

INSTANTIATE_TEST_SUITE_P(LiveDownload, EveryModel, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150));

TEST(LiveDownload, ALineThatDiesPartWayKeepsThePreviousDownloadAndACaptureThatReplays)
{
    const struct {
        int model;
        double share;  // of the report sent before the line dies; 0: the first byte only
    } cases[] = {{LD4800, 0.6}, {NG7700A, 0.6}, {NG7700B, 0.6}, {SG2150, 0.6}, {SG2150, 0}};
    for (const auto &c : cases) {
        const std::string what = "model " + std::to_string(c.model) + " share " + std::to_string(c.share);
        const QByteArray report = parse::sampleStream(c.model);
        link::LineFaults dead;
        const qint64 end = c.model == LD4800 ? report.indexOf("END") : report.size();
        dead.dropAfter = std::max<qint64>(1, qint64(double(end) * c.share));
        test::PtyGauge gauge(report, 0, dead);
        test::TempHome home;
        home.writeFile("previous.txt", test::sampleProjectFile(NG7700B));
        AppState state;
        ASSERT_TRUE(project::ProjectOpen::open(home.paths(), state, home.path() + "/previous.txt").opened);
        const test::HomeProjectState previous = test::HomeProjectState::of(home);
        const QString previousList = state.Table_List;

        link::ComPortMap ports(home.paths());
        ports.setDevice(1, gauge.device());
        link::QtSerialControl control(ports);
        link::Communication comm(home.paths(), state);
        comm.setReadWait(0);  // thirty thousand empty reads pass at once
        comm.setYield(gauge.startOnFirstYield(true));
        test::ScriptedPrompter prompter;
        DownloadRun run(home.paths(), state, comm, control, prompter);
        EXPECT_FALSE(run.start({0, c.model, 0})) << what;
        EXPECT_EQ(state.LastStatus, 4545) << what;
        EXPECT_TRUE(prompter.texts().join("|").contains("readings arrived, and the download is not complete")) << what;
        EXPECT_EQ(std::tuple(state.Table_List, state.DeviceCode, test::projectStateDifference(home, previous)), std::tuple(previousList, NG7700B, std::string()))
            << what;

        ASSERT_FALSE(run.capturePath().isEmpty()) << what;
        const auto replayed = test::runCli(home.path(), {"replay", run.capturePath(), "--model", link::modelName(c.model)});
        if (c.share > 0) {
            EXPECT_EQ(replayed.exitCode, 0) << what << replayed.err.constData();
            EXPECT_TRUE(home.readFile("info/DBTbles.vkt").startsWith(QByteArray::number(c.model) + "\r\n")) << what;
        }
    }
}

#endif

} // namespace
