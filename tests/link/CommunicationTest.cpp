#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "link/ScriptedParser.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using link::Communication;
using link::FakeSerialControl;
using link::SerialControl;

namespace {

enum Act { Stop, Abort, Overflow };
struct Step {
    Step(const char *b) : bytes(b) {}
    Step(int emptyReads) : silence(emptyReads) {}
    Step(Act a) : act(a) {}
    QByteArray bytes;
    int silence = 0;
    std::optional<Act> act;
};

class CommunicationTest : public ::testing::Test {
protected:
    CommunicationTest()
    {
        auto scripted = std::make_unique<test::ScriptedParser>();
        parser = scripted.get();
        comm = std::make_unique<Communication>(home.paths(), state, std::move(scripted));
        comm->setComm_Object(&port);
        comm->setClock(port.clock());
        comm->setYield([this] { ++yields; });
    }

    void play(const std::vector<Step> &steps)
    {
        for (const Step &s : steps) {
            if (s.act == Overflow)
                port.queueCommEvent(SerialControl::ReceiveBufferOverflow);
            else if (s.act)
                port.queueAction([this, a = *s.act] { (a == Stop ? comm->Stop_Download : comm->Abort_Download) = true; });
            else if (s.silence)
                port.queueSilence(s.silence);
            else
                port.queueBytes(s.bytes);
        }
    }

    std::int16_t download(std::int32_t code, std::int16_t noTimeout = 0, const std::vector<Step> &steps = {})
    {
        play(steps);
        EXPECT_EQ(comm->RunTest(), 0);
        return comm->GetData(code, noTimeout);
    }

    test::TempHome home;
    AppState state;
    FakeSerialControl port;
    test::ScriptedParser *parser = nullptr;
    std::unique_ptr<Communication> comm;
    int yields = 0;
};

struct ReadCase {
    const char *what;
    std::int32_t code;
    std::int16_t noTimeout = 0;
    std::vector<Step> steps;
    std::int16_t result = 0;
    const char *received = nullptr;
    const char *tableList = nullptr;
    int deInits = -1;
    int runs = -1;
    int betweenTests = -1;
    int commits = -1;
};

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.what; }

class Read : public CommunicationTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(Read, EndsWithTheStatusAndTablesTheLineAndTheModelCallFor)
{
    const ReadCase &c = GetParam();
    EXPECT_EQ(download(c.code, c.noTimeout, c.steps), c.result);
    if (c.received) { EXPECT_EQ(parser->received, c.received); }
    EXPECT_EQ(parser->codes, QStringList(parser->codes.size(), QString::number(c.code)));
    if (c.tableList) { EXPECT_EQ(state.Table_List, c.tableList); }
    if (c.deInits >= 0) { EXPECT_EQ(parser->deInits, c.deInits); }
    if (c.runs >= 0) { EXPECT_EQ(parser->inititLists.size(), c.runs); }
    if (c.betweenTests >= 0) { EXPECT_EQ(comm->Between_Tests, bool(c.betweenTests)); }
    if (c.commits >= 0) { EXPECT_EQ(parser->commits, c.commits); }
}

INSTANTIATE_TEST_SUITE_P(Communication, Read, ::testing::Values(
    // Only carriage returns and space to upper case reach the parser.
    ReadCase{.what = "filter", .code = 1, .steps = {"A\tb\nC\r z~[{`\x01 9Z#\xFD"}, .received = "AC\r  9Z#"},
    ReadCase{.what = "end FD", .code = 1, .steps = {"#AB\xFD#CD"}, .received = "#AB", .tableList = "T1 ", .deInits = 1, .betweenTests = 1},
    ReadCase{.what = "end CA", .code = 1, .steps = {"#AB\xCA#CD"}, .received = "#AB", .tableList = "T1 ", .deInits = 1, .betweenTests = 1},
    ReadCase{.what = "byte above 127", .code = 0, .steps = {"#AB\xC8#CD"}, .result = 5555, .received = "#AB"},
    // A stiffness parser error ends only a stiffness download.
    ReadCase{.what = "stiffness error", .code = 4, .steps = {"#A!B\xFD"}, .result = 9876, .received = "#A!"},
    ReadCase{.what = "parser error other model", .code = 0, .steps = {"#A!B\xFD"}, .received = "#A!B"},
    ReadCase{.what = "stop", .code = 1, .steps = {"#A#B", Stop, 5, "#C"}, .tableList = "T1 T2 ", .deInits = 0},
    ReadCase{.what = "stop in a continuous test", .code = 3, .noTimeout = 1, .steps = {"#A", Stop, "BCEND\r\n\r\n#B"}, .received = "#AB", .tableList = "T1 "},
    ReadCase{.what = "overflow receiving", .code = 2, .steps = {"#AB", Overflow, "CD"}, .result = 4545, .received = "#AB", .runs = 2},
    // Thirty thousand empty reads end any download but a continuous one.
    ReadCase{.what = "idle 0 at limit", .code = 0, .steps = {"#A", 30000, "#B", Stop}, .tableList = "T1 T2 ", .deInits = 0},
    ReadCase{.what = "idle 0 past limit", .code = 0, .steps = {"#A", 30001, "#B", Stop}, .result = 4545, .tableList = "", .deInits = 1},
    ReadCase{.what = "commits", .code = 1, .steps = {"#A", 10, "B", 10, "C\xFD"}, .commits = 2},
    ReadCase{.what = "continuous never idle", .code = 3, .steps = {"#A", 90000, "#B", Stop}, .tableList = "T1 T2 ", .deInits = 0}));

TEST_F(CommunicationTest, RunTestOpensThePortWithTheGaugeSettingsAndClearsTheRequests)
{
    comm->Serial_Port = 3;
    comm->Baud_Rate = 1200;
    comm->Stop_Download = comm->Abort_Download = true;
    ASSERT_EQ(comm->RunTest(), 0);
    EXPECT_EQ(std::tuple(port.PortOpen(), port.commPort(), port.settings(), port.inputLen(), port.handshaking(), port.inBufferSize()),
              std::tuple(true, 3, QString("1200,N,8,1"), 1, 1, 20242));
    EXPECT_EQ(std::tuple(comm->Stop_Download, comm->Abort_Download, comm->Between_Tests), std::tuple(false, false, true));

    // A port that cannot be opened gives 99 and leaves the requests alone.
    port.setOpenError(2, SerialControl::PortAlreadyOpen);
    comm->Serial_Port = 2;
    comm->Stop_Download = true;
    EXPECT_EQ(comm->RunTest(), 99);
    EXPECT_EQ(std::tuple(port.PortOpen(), comm->Stop_Download), std::tuple(false, true));
}

TEST_F(CommunicationTest, BlankLinesBeforeTheReportAreSkippedAndTheFirstOtherCharacterStartsTheRun)
{
    state.Table_List = "OLD ";
    QChar first;
    comm->setFirstCharacterHandler([&first](QChar c) { first = c; });
    EXPECT_EQ(download(0, 0, {"\r\n\r\n\nAB#C", "END\r\nXY"}), 0);
    EXPECT_EQ(std::tuple(first, parser->received, parser->inititLists), std::tuple(QChar('A'), QByteArray("AB#CEND"), QStringList{"OLD "}));
    // The caller ends the run with Close_Port.
    EXPECT_EQ(std::tuple(state.Table_List, parser->deInits, comm->Between_Tests), std::tuple(QString("T1 "), 0, false));

    port.queueBytes("#BEND");
    EXPECT_EQ(comm->GetData(0, 0), 0);
    EXPECT_EQ(std::tuple(parser->inititLists.size(), state.Table_List, parser->deInits), std::tuple(1, QString("T1 T2 "), 0));
    comm->Close_Port();
    EXPECT_EQ(std::pair(port.PortOpen(), parser->deInits), std::pair(false, 1));
}

TEST_F(CommunicationTest, AnEndByteBeforeAnyTableGives5454AndRemovesTheDatabaseFile)
{
    home.writeFile("info/MIRVAT.vkd", "not a real database");
    EXPECT_EQ(download(2, 0, {"NO TABLES HERE\r\xFD"}), 5454);
    EXPECT_EQ(std::tuple(home.exists("info/MIRVAT.vkd"), state.Table_List, parser->deInits), std::tuple(false, QString(), 1));
}

TEST_F(CommunicationTest, NoCharacterWithinThirtySecondsGives99UnlessTheWaitIsWithoutTimeout)
{
    EXPECT_EQ(download(0, 0, {"\r\n\r\n"}), 99);
    EXPECT_TRUE(port.now() > 30000 && port.now() < 30100 && yields > 30000) << port.now() << " " << yields;  // the user interface ran all along

    const qint64 before = port.now();
    EXPECT_EQ(download(0, 1, {100000, Stop}), 0);
    EXPECT_GT(port.now() - before, 90000);
    EXPECT_EQ(download(3, 1, {50000, Abort}), 99);
    EXPECT_TRUE(parser->inititLists.isEmpty());
}

TEST_F(CommunicationTest, AnAbortWhileReceivingGives1978AndTheNextReadStartsANewRun)
{
    EXPECT_EQ(download(1, 0, {"#ABC", Abort, "DEF"}), 1978);
    EXPECT_EQ(std::pair(parser->received, parser->deInits), std::pair(QByteArray("#ABC"), 1));
    comm->Abort_Download = false;
    port.queueBytes("#X\xFD");
    EXPECT_EQ((std::pair{comm->GetData(1, 0), parser->inititLists.size()}), std::pair(std::int16_t(0), qsizetype(2)));
}

TEST_F(CommunicationTest, AnOverflowWhileWaitingGives7272AndStartsTheDatabaseAnew)
{
    state.Table_List = "P1 P2 ";
    EXPECT_EQ(download(0, 0, {5, Overflow, 5, "#A"}), 7272);
    EXPECT_EQ(std::tuple(parser->inititLists, parser->deInits, parser->received), std::tuple(QStringList{"P1 P2 "}, 2, QByteArray()));
}

TEST_F(CommunicationTest, AContinuousDownloadReadsTestAfterTestInOneRunUntilDone)
{
    QList<bool> betweenAtParse;
    parser->onParse = [&](int) { betweenAtParse.append(comm->Between_Tests); };
    // Four characters after each test are thrown away; the pause is longer than any idle limit.
    EXPECT_EQ(download(3, 1, {"#TEST1END", "\r\n\r\n", 40000, "DX#TEST2END", "WXYZ", Stop, 10}), 0);
    EXPECT_EQ(std::tuple(parser->inititLists.size(), state.Table_List, parser->received, state.LastStatus, comm->Between_Tests),
              std::tuple(1, QString("T1 T2 "), QByteArray("#TEST1ENDDX#TEST2END"), 89, true));
    // A "D" right after a test leaves the link between tests; the next character does not.
    ASSERT_EQ(betweenAtParse.size(), 20);
    EXPECT_EQ(std::pair(betweenAtParse.at(9), betweenAtParse.at(10)), std::pair(true, false));
}

TEST_F(CommunicationTest, AStopThatMeetsTheEndOfAContinuousTestEndsTheReadRightThere)
{
    EXPECT_EQ(download(3, 1, {"#AEN", Stop, "D\r\n\r\n#B"}), 0);
    EXPECT_EQ(std::tuple(state.Table_List, state.LastStatus, port.InBufferCount(), comm->Between_Tests), std::tuple(QString("T1 "), 89, 6, false));
}

TEST_F(CommunicationTest, OldInputIsThrownAwayAndTheCaptureGetsEveryByteReceivedAfterIt)
{
    QByteArray captured;
    comm->setReceivedBytesSink([&captured](const QByteArray &bytes) { captured += bytes; });
    port.arrive("OLD");
    const char *stream = "\r\n#aEND\r\n\r\n#\xC8";
    EXPECT_EQ(download(3, 1, {stream, 3}), 5555);
    EXPECT_EQ(std::pair(captured, parser->received.contains("OLD")), std::pair(QByteArray(stream), false));
}

TEST_F(CommunicationTest, ThePortScanTellsFreeHeldModemAndMissingPortsAndLeavesARunningDownloadAlone)
{
    EXPECT_EQ(comm->AvailablePorts(), "1234");
    port.setOpenError(2, SerialControl::PortAlreadyOpen);
    port.setOpenError(4, SerialControl::InvalidPortNumber);
    EXPECT_EQ(comm->AvailablePorts(), "1o3x");
    EXPECT_EQ(port.written(), "ATI1\rATI1\rATI1\rATI1\rATI1\rATI1\r");
    EXPECT_EQ(std::tuple(port.settings(), port.inputLen(), port.PortOpen()), std::tuple(QString("9600,N,8,1"), 0, false));

    // One byte is not an answer; two or more are a modem's, and are thrown away.
    port.setModemAnswer(1, "\r\nOK\r\n");
    port.setModemAnswer(3, "\r");
    EXPECT_EQ(comm->AvailablePorts(), "mo3x");

    port.setModemAnswer(1, "");
    port.setModemAnswer(3, "");
    comm->Serial_Port = 3;
    ASSERT_EQ(comm->RunTest(), 0);
    // The last scan, not a new one.
    EXPECT_EQ((std::tuple{comm->AvailablePorts(), port.PortOpen(), port.commPort()}), std::tuple(QString("mo3x"), true, 3));
    comm->Close_Port();
    EXPECT_EQ(comm->AvailablePorts(), "1o3x");
}

} // namespace
