#include "wizard/DownloadRun.h"

#include "common/ProgramInfo.h"
#include "db/TableRegistry.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "link/ScriptedParser.h"
#include "report/InfoFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

using namespace valtrane;
using wizard::DownloadRun;

namespace {

const QByteArray EndByte("\xFD");

class DownloadRunTest : public ::testing::Test {
protected:
    DownloadRunTest()
    {
        comm.setClock(port.clock());
        QObject::connect(&run, &DownloadRun::statusShown, [this](int code, const QString &, const QString &) { panels.append(code); });
        QObject::connect(&run, &DownloadRun::nextPageRequested, [this] { ++nextPages; });
        QObject::connect(&run, &DownloadRun::wizardCloseRequested, [this] { ++closeRequests; });
        QObject::connect(&run, &DownloadRun::treeRebuildRequested, [this] { ++treeRebuilds; });
        QObject::connect(&run, &DownloadRun::timePanelShown, [this](bool shown) { timePanelShown = shown; });
        run.setCloseMainConnection([this] { ++connectionCloses; });
    }

    void previousDownload()
    {
        home.writeFile("info/MIRVAT.vkd", "previous tables");
        home.writeFile("info/DBTbles.vkt", "1\r\n\"12 \"\r\n");
        state.Table_List = "12 ";
    }

    QStringList captures() const { return QDir(home.path() + "/captures").entryList(QDir::Files); }

    test::TempHome home;
    AppState state;
    link::FakeSerialControl port;
    test::ScriptedParser *parser = new test::ScriptedParser;
    link::Communication comm{home.paths(), state, std::unique_ptr<link::StreamParser>(parser)};
    test::ScriptedPrompter prompter;
    DownloadRun run{home.paths(), state, comm, port, prompter};
    QList<int> panels;
    int nextPages = 0;
    int closeRequests = 0;
    int treeRebuilds = 0;
    int connectionCloses = 0;
    bool timePanelShown = false;
};

struct ModelCase {
    int model;
    int type;
    Prompter::Answer answer;
    const char *settings;
    const char *code;
    const char *caption;
};

class EachModel : public DownloadRunTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(EachModel, DownloadsAtItsOwnSettingsAndRegistersItsTables)
{
    const ModelCase c = GetParam();
    prompter = test::ScriptedPrompter({c.answer});
    port.queueBytes("\r\n#X#Y" + EndByte);
    port.queueAction([this] { comm.Stop_Download = true; });  // "Done" after a continuous download's stream
    ASSERT_TRUE(run.start({2, c.model, c.type}));

    EXPECT_EQ(std::tuple(port.commPort(), port.settings()), std::tuple(3, QString(c.settings)));
    EXPECT_EQ(parser->codes, QStringList(parser->codes.size(), c.code));
    ASSERT_EQ(prompter.shown.size(), c.model == SG2150 ? 1 : 0);
    if (c.model == SG2150) {
        EXPECT_EQ(std::tuple(prompter.shown.front().title, prompter.shown.front().text, prompter.shown.front().icon),
                  std::tuple(QString("Vibrastat Question"), QString("Did you receive your Vibrastat or has this Vibrastat been updated by "
                             "Valtrane after January 1, 2007?\r\n\r\nClick Yes if this is true, otherwise click No."), Prompter::Icon::Question));
    }
    EXPECT_EQ(std::tuple(panels, nextPages, port.PortOpen()), std::tuple(QList<int>{0, 4}, 1, false));

    AppState reread;
    EXPECT_EQ((std::pair{db::Table_Registry(home.paths(), reread, 0), reread.DeviceCode}), std::pair(QString("T1 T2 "), c.model));
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(state.TreeRootCaption, QString(c.caption) + " (Dwnld:" + date + ")");
    report::InfoFile::read(home.paths(), reread);
    EXPECT_EQ(reread.TreeRootCaption, state.TreeRootCaption);
}

INSTANTIATE_TEST_SUITE_P(DownloadRun, EachModel,
                         ::testing::Values(ModelCase{LD4800, 0, Prompter::Answer::Yes, "19200,N,8,1", "0", "Tests"},
                                           ModelCase{LD4800, 1, Prompter::Answer::Yes, "19200,N,8,1", "3", "Tests"},
                                           ModelCase{NG7700A, 0, Prompter::Answer::Yes, "1200,N,8,1", "1", "Projects"},
                                           ModelCase{NG7700B, 1, Prompter::Answer::Yes, "1200,N,8,1", "2", "Projects"},
                                           ModelCase{SG2150, 0, Prompter::Answer::Yes, "1200,N,8,1", "4", "Run Number"},
                                           ModelCase{SG2150, 0, Prompter::Answer::No, "4800,N,8,1", "4", "Run Number"}));

TEST_F(DownloadRunTest, APortThatCannotBeOpenedSaysSoAndKeepsTheLastDownload)
{
    previousDownload();
    port.setOpenError(1, link::SerialControl::PortAlreadyOpen);
    EXPECT_FALSE(run.start({0, NG7700A, 0}));
    EXPECT_EQ(std::tuple(state.LastStatus, panels, timePanelShown, closeRequests, treeRebuilds),
              std::tuple(99, QList<int>{3}, false, 0, 0));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(std::pair(prompter.shown.front().text, prompter.shown.front().title), std::pair(QString("Error with Port"), program::title()));
    EXPECT_TRUE(home.exists("info/MIRVAT.vkd") && home.exists("info/DBTbles.vkt"));

    state.Table_List.clear();
    port.setOpenError(1, link::SerialControl::InvalidPortNumber);
    run.start({0, LD4800, 0});
    EXPECT_FALSE(home.exists("info/MIRVAT.vkd"));
}

enum class Event { None, AbortAfterStream, OverflowFirst, AbortWhileWaiting, DatabaseHeld };

struct FailureCase {
    int model;
    QByteArray stream;
    Event event;
    std::int16_t lastStatus;
    int panel;
    int treeRebuilds;  // once when something arrived, once more when the wizard closes
};

class FailedDownload : public DownloadRunTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedDownload, ShowsItsStatusAndKeepsTheLastDownloadWhateverArrived)
{
    const FailureCase c = GetParam();
    previousDownload();
    const QByteArray database = home.readFile("info/MIRVAT.vkd");
    const QByteArray registry = home.readFile("info/DBTbles.vkt");
    if (c.event == Event::DatabaseHeld)
        home.writeFile("info/MIRVAT.ldb", "held by another program");
    if (c.event == Event::OverflowFirst) {
        port.queueCommEvent(link::SerialControl::ReceiveBufferOverflow);
        port.queueSilence(3);
    }
    if (c.event == Event::AbortWhileWaiting)
        port.queueSilence(500);
    port.queueBytes(c.stream);
    if (c.event == Event::AbortAfterStream || c.event == Event::AbortWhileWaiting)
        port.queueAction([this] { comm.Abort_Download = true; });
    EXPECT_FALSE(run.start({0, c.model, 0}));
    EXPECT_EQ(std::tuple(state.LastStatus, panels.last(), state.Table_List, state.DeviceCode, nextPages, treeRebuilds),
              std::tuple(c.lastStatus, c.panel, QString("12 "), 1, 0, c.treeRebuilds));
    EXPECT_EQ(closeRequests, c.lastStatus == 1978 || c.event == Event::AbortWhileWaiting ? 1 : 0);
    EXPECT_EQ(prompter.texts().join("|").contains("readings arrived, and the download is not complete"), c.lastStatus == 4545);
    EXPECT_EQ(captures().size(), c.stream.isEmpty() ? 0 : 1);
    EXPECT_EQ(std::tuple(home.readFile("info/MIRVAT.vkd"), home.readFile("info/DBTbles.vkt"), home.exists("info/MIRVAT.new.vkd")),
              std::tuple(database, registry, false));
    EXPECT_EQ(std::tuple(comm.Abort_Download, timePanelShown, port.PortOpen()), std::tuple(false, false, false));
    if (c.event == Event::DatabaseHeld) {
        EXPECT_EQ(std::tuple(panels, port.openCount(), connectionCloses), std::tuple(QList<int>{7}, 0, 1));
    }
}

INSTANTIATE_TEST_SUITE_P(DownloadRun, FailedDownload,
                         ::testing::Values(FailureCase{NG7700B, "#A\xC8", Event::None, 5555, 3, 1},
                                           FailureCase{NG7700B, "NOTHING" + EndByte, Event::None, 5454, 6, 1},
                                           FailureCase{NG7700A, "#A", Event::None, 4545, 3, 1},
                                           FailureCase{SG2150, "#A!", Event::None, 9876, 3, 1},
                                           FailureCase{LD4800, "#AB", Event::AbortAfterStream, 1978, 3, 2},
                                           FailureCase{LD4800, "\r\n", Event::None, 99, 3, 0},
                                           FailureCase{NG7700B, "", Event::OverflowFirst, 7272, 3, 0},
                                           // Closing the wizard while waiting removes nothing: one rebuild, for the close.
                                           FailureCase{NG7700B, "", Event::AbortWhileWaiting, 99, 3, 1},
                                           FailureCase{NG7700B, "", Event::DatabaseHeld, 789, 7, 0}));

TEST_F(DownloadRunTest, AStreamThatEndsRightAfterTheWizardCloseWasRequestedIsNotRegistered)
{
    previousDownload();
    const QByteArray registry = home.readFile("info/DBTbles.vkt");
    state.DeviceCode = NG7700A;
    int downloaded = 0;
    QObject::connect(&run, &DownloadRun::dataDownloaded, [&downloaded] { ++downloaded; });
    port.queueBytes("#A");
    port.queueAction([this] { comm.Abort_Download = true; });
    port.queueBytes(EndByte);
    EXPECT_FALSE(run.start({0, NG7700B, 0}));
    EXPECT_EQ(std::pair(state.LastStatus, parser->received), std::pair(std::int16_t(0), QByteArray("#A")));  // the read itself ended well
    EXPECT_EQ(std::tuple(port.PortOpen(), state.DeviceCode, downloaded, panels.contains(4), nextPages, treeRebuilds, home.exists("info/Info.vkt")),
              std::tuple(false, NG7700A, 0, false, 0, 0, false));
    EXPECT_EQ(home.readFile("info/DBTbles.vkt"), registry);
}

TEST_F(DownloadRunTest, ALiveDownloadKeepsACaptureOfEveryByteItReceivedUnlessCapturingIsOff)
{
    const QByteArray stream = "\r\n#A\tlower case\r\n#B" + EndByte;
    port.queueBytes(stream);
    ASSERT_TRUE(run.start({0, NG7700B, 0}));
    const QStringList files = captures();
    ASSERT_TRUE(files.size() == 1 && files.first().endsWith("-NG7700B.cap")) << qPrintable(files.join(' '));
    EXPECT_EQ(std::pair(home.readFile("captures/" + files.first()), run.capturePath()), std::pair(stream, home.paths().capturesFolder() + "/" + files.first()));

    port.queueBytes("#CEND\r\n\r\n");
    port.queueAction([this] { comm.Stop_Download = true; });
    ASSERT_TRUE(run.start({0, LD4800, 1}));
    EXPECT_EQ(captures().filter("-LD4800-continuous").size(), 1);

    run.setCapturing(false);
    port.queueBytes("#A" + EndByte);
    ASSERT_TRUE(run.start({0, NG7700B, 0}));
    EXPECT_EQ(std::tuple(captures().size(), home.readFile("captures/" + files.first()), run.capturePath()), std::tuple(2, stream, QString()));
}

} // namespace
