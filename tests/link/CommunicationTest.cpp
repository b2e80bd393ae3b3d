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

const QByteArray EndByte("\xFD");

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

    std::int16_t download(std::int32_t code, std::int16_t noTimeout = 0)
    {
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

TEST_F(CommunicationTest, RunTestOpensThePortWithTheGaugeSettingsAndClearsTheRequests)
{
    comm->Serial_Port = 3;
    comm->Baud_Rate = 1200;
    comm->Stop_Download = true;
    comm->Abort_Download = true;
    ASSERT_EQ(comm->RunTest(), 0);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.commPort(), 3);
    EXPECT_EQ(port.settings(), "1200,N,8,1");
    EXPECT_EQ(port.inputLen(), 1);
    EXPECT_EQ(port.handshaking(), 1);
    EXPECT_EQ(port.inBufferSize(), 20242);
    EXPECT_FALSE(comm->Stop_Download);
    EXPECT_FALSE(comm->Abort_Download);
    EXPECT_TRUE(comm->Between_Tests);

    // A second start closes the port first rather than failing on a port that is already open.
    comm->Baud_Rate = 19200;
    ASSERT_EQ(comm->RunTest(), 0);
    EXPECT_EQ(port.openCount(), 2);
    EXPECT_EQ(port.settings(), "19200,N,8,1");
}

TEST_F(CommunicationTest, APortThatCannotBeOpenedGives99AndLeavesTheRequestsAlone)
{
    for (int error : {int(SerialControl::PortAlreadyOpen), int(SerialControl::InvalidPortNumber)}) {
        port.setOpenError(2, error);
        comm->Serial_Port = 2;
        comm->Stop_Download = true;
        EXPECT_EQ(comm->RunTest(), 99);
        EXPECT_FALSE(port.PortOpen());
        EXPECT_TRUE(comm->Stop_Download);
    }
}

TEST_F(CommunicationTest, BlankLinesBeforeTheReportAreSkippedAndTheFirstOtherCharacterStartsTheRun)
{
    state.Table_List = "OLD ";
    QChar first;
    comm->setFirstCharacterHandler([&first](QChar c) { first = c; });
    port.queueBytes("\r\n\r\n\nAB#C");
    port.queueBytes("END\r\nXY");
    EXPECT_EQ(download(0), 0);
    EXPECT_EQ(first, QLatin1Char('A'));
    EXPECT_EQ(parser->received, "AB#CEND");
    EXPECT_EQ(parser->inititLists, QStringList{"OLD "});
    EXPECT_EQ(state.Table_List, "T1 ");
    EXPECT_EQ(parser->deInits, 0);  // the caller ends the run with Close_Port
    EXPECT_FALSE(comm->Between_Tests);
}

TEST_F(CommunicationTest, OnlyCarriageReturnsAndSpaceToUpperCaseReachTheParser)
{
    port.queueBytes(QByteArray("A\tb\nC\r z~[{`\x01 9Z#") + EndByte);
    EXPECT_EQ(download(1), 0);
    EXPECT_EQ(parser->received, "AC\r  9Z#");
    EXPECT_EQ(parser->codes, QStringList(8, "1"));
}

TEST_F(CommunicationTest, EitherEndByteCompletesTheStreamAndEndsTheRun)
{
    for (const char end : {'\xFD', '\xCA'}) {
        port.queueBytes(QByteArray("#AB") + end + "#CD");
        EXPECT_EQ(download(1), 0);
        EXPECT_EQ(state.Table_List, "T1 ");
        EXPECT_EQ(parser->received.right(3), "#AB");
        EXPECT_TRUE(comm->Between_Tests);
        EXPECT_EQ(parser->deInits, 1);
        comm->Close_Port();
        parser->deInits = 0;
        parser->received.clear();
        port.setPortOpen(false);
    }
}

TEST_F(CommunicationTest, AnEndByteBeforeAnyTableGives5454AndRemovesTheDatabaseFile)
{
    home.writeFile("info/MIRVAT.vkd", "not a real database");
    port.queueBytes("NO TABLES HERE\r" + EndByte);
    EXPECT_EQ(download(2), 5454);
    EXPECT_FALSE(home.exists("info/MIRVAT.vkd"));
    EXPECT_EQ(state.Table_List, "");
    EXPECT_EQ(parser->deInits, 1);
}

TEST_F(CommunicationTest, AByteAbove127OtherThanTheEndBytesGives5555)
{
    port.queueBytes("#AB\xC8#CD");
    EXPECT_EQ(download(0), 5555);
    EXPECT_EQ(parser->received, "#AB");
}

TEST_F(CommunicationTest, NoCharacterWithinThirtySecondsGives99WithoutStartingARun)
{
    port.queueBytes("\r\n\r\n");
    EXPECT_EQ(download(0), 99);
    EXPECT_GT(port.now(), 30000);
    EXPECT_LT(port.now(), 30100);
    EXPECT_TRUE(parser->inititLists.isEmpty());
    EXPECT_GT(yields, 30000);  // the user interface ran all along
}

TEST_F(CommunicationTest, WithNoTimeoutTheWaitLastsUntilAStopOrAnAbort)
{
    port.queueSilence(100000);
    port.queueAction([this] { comm->Stop_Download = true; });
    EXPECT_EQ(download(0, 1), 0);
    EXPECT_GT(port.now(), 90000);

    port.queueSilence(50000);
    port.queueAction([this] { comm->Abort_Download = true; });
    EXPECT_EQ(download(3, 1), 99);
    EXPECT_TRUE(parser->inititLists.isEmpty());
}

struct IdleCase {
    std::int32_t code;
    int silence;
    std::int16_t result;
    bool runEnded;
    const char *tableList;
};

class IdleEnd : public CommunicationTest, public ::testing::WithParamInterface<IdleCase> {};

TEST_P(IdleEnd, ThirtyThousandEmptyReadsEndTheDownloadAsTheModelWants)
{
    const IdleCase c = GetParam();
    port.queueBytes("#A");
    port.queueSilence(c.silence);
    port.queueBytes("#B");
    port.queueAction([this] { comm->Stop_Download = true; });
    EXPECT_EQ(download(c.code), c.result);
    EXPECT_EQ(parser->deInits, c.runEnded ? 1 : 0);
    EXPECT_EQ(state.Table_List, c.tableList);
}

INSTANTIATE_TEST_SUITE_P(Communication, IdleEnd,
                         ::testing::Values(IdleCase{0, 30000, 0, false, "T1 T2 "}, IdleCase{0, 30001, 4545, true, ""},
                                           IdleCase{4, 30001, 4545, true, ""}, IdleCase{1, 30000, 0, false, "T1 T2 "},
                                           IdleCase{1, 30001, 4545, true, ""}, IdleCase{2, 30001, 4545, true, ""},
                                           IdleCase{3, 90000, 0, false, "T1 T2 "}));

TEST_F(CommunicationTest, RowsAreCommittedOnceEachTimeTheLineGoesQuiet)
{
    port.queueBytes("#A");
    port.queueSilence(10);
    port.queueBytes("B");
    port.queueSilence(10);
    port.queueBytes("C" + EndByte);
    EXPECT_EQ(download(1), 0);
    EXPECT_EQ(parser->commits, 2);
}

TEST_F(CommunicationTest, AnAbortWhileReceivingGives1978AndTheNextReadStartsANewRun)
{
    port.queueBytes("#ABC");
    port.queueAction([this] { comm->Abort_Download = true; });
    port.queueBytes("DEF");
    EXPECT_EQ(download(1), 1978);
    EXPECT_EQ(parser->received, "#ABC");
    EXPECT_EQ(parser->deInits, 1);

    comm->Abort_Download = false;
    port.queueBytes("#X" + EndByte);
    EXPECT_EQ(comm->GetData(1, 0), 0);
    EXPECT_EQ(parser->inititLists.size(), 2);
}

TEST_F(CommunicationTest, ALaterReadAfterTheSameOpeningContinuesTheSameRun)
{
    port.queueBytes("#AEND");
    EXPECT_EQ(download(0), 0);
    port.queueBytes("#BEND");
    EXPECT_EQ(comm->GetData(0, 0), 0);
    EXPECT_EQ(parser->inititLists.size(), 1);
    EXPECT_EQ(state.Table_List, "T1 T2 ");
    EXPECT_EQ(parser->deInits, 0);
    // Closing the port ends the run.
    comm->Close_Port();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(parser->deInits, 1);
}

TEST_F(CommunicationTest, AnOverflowWhileWaitingGives7272AndStartsTheDatabaseAnew)
{
    state.Table_List = "P1 P2 ";
    port.queueSilence(5);
    port.queueCommEvent(SerialControl::ReceiveBufferOverflow);
    port.queueSilence(5);
    port.queueBytes("#A");
    EXPECT_EQ(download(0), 7272);
    EXPECT_EQ(parser->inititLists, QStringList{"P1 P2 "});
    EXPECT_EQ(parser->deInits, 2);
    EXPECT_TRUE(parser->received.isEmpty());
}

TEST_F(CommunicationTest, AnOverflowWhileReceivingGives4545)
{
    port.queueBytes("#AB");
    port.queueCommEvent(SerialControl::ReceiveBufferOverflow);
    port.queueBytes("CD");
    EXPECT_EQ(download(2), 4545);
    EXPECT_EQ(parser->received, "#AB");
    EXPECT_EQ(parser->inititLists.size(), 2);  // the run, then the fresh database
}

TEST_F(CommunicationTest, AStiffnessParserErrorEndsOnlyAStiffnessDownload)
{
    port.queueBytes("#A!B" + EndByte);
    EXPECT_EQ(download(4), 9876);
    EXPECT_EQ(parser->received, "#A!");

    parser->received.clear();
    port.queueBytes("#A!B" + EndByte);
    EXPECT_EQ(download(0), 0);
    EXPECT_EQ(parser->received, "#A!B");
}

TEST_F(CommunicationTest, AStopEndsTheReadAtItsNextStepWithTheTablesSoFar)
{
    port.queueBytes("#A#B");
    port.queueAction([this] { comm->Stop_Download = true; });
    port.queueSilence(5);
    port.queueBytes("#C");
    EXPECT_EQ(download(1), 0);
    EXPECT_EQ(state.Table_List, "T1 T2 ");
    EXPECT_EQ(parser->deInits, 0);
}

TEST_F(CommunicationTest, AContinuousDownloadReadsTestAfterTestInOneRunUntilDone)
{
    QList<bool> betweenAtParse;
    parser->onParse = [&](int) { betweenAtParse.append(comm->Between_Tests); };
    port.queueBytes("#TEST1END");
    port.queueBytes("\r\n\r\n");       // four characters after each test, thrown away
    port.queueSilence(40000);          // a pause longer than any idle limit
    port.queueBytes("DX#TEST2END");
    port.queueBytes("WXYZ");
    port.queueAction([this] { comm->Stop_Download = true; });
    port.queueSilence(10);
    EXPECT_EQ(download(3, 1), 0);
    EXPECT_EQ(parser->inititLists.size(), 1);
    EXPECT_EQ(state.Table_List, "T1 T2 ");
    EXPECT_EQ(parser->received, "#TEST1ENDDX#TEST2END");
    EXPECT_EQ(state.LastStatus, 89);
    EXPECT_TRUE(comm->Between_Tests);
    // A "D" right after a test leaves the link between tests; the next character does not.
    ASSERT_EQ(betweenAtParse.size(), 20);
    EXPECT_TRUE(betweenAtParse.at(9));
    EXPECT_FALSE(betweenAtParse.at(10));
}

TEST_F(CommunicationTest, AStopInTheMiddleOfAContinuousTestEndsTheReadAtItsNextStep)
{
    port.queueBytes("#A");
    port.queueAction([this] { comm->Stop_Download = true; });
    port.queueBytes("BCEND\r\n\r\n#B");
    EXPECT_EQ(download(3, 1), 0);
    EXPECT_EQ(parser->received, "#AB");
    EXPECT_EQ(state.Table_List, "T1 ");
}

TEST_F(CommunicationTest, AStopThatMeetsTheEndOfAContinuousTestEndsTheReadRightThere)
{
    port.queueBytes("#AEN");
    port.queueAction([this] { comm->Stop_Download = true; });
    port.queueBytes("D\r\n\r\n#B");
    EXPECT_EQ(download(3, 1), 0);
    EXPECT_EQ(state.Table_List, "T1 ");
    EXPECT_EQ(state.LastStatus, 89);
    EXPECT_EQ(port.InBufferCount(), 6);  // what follows the test is left unread
    EXPECT_FALSE(comm->Between_Tests);
}

TEST_F(CommunicationTest, OldInputIsThrownAwayAndTheCaptureGetsEveryByteReceivedAfterIt)
{
    QByteArray captured;
    comm->setReceivedBytesSink([&captured](const QByteArray &bytes) { captured += bytes; });
    port.arrive("OLD");
    const QByteArray stream = QByteArray("\r\n#aEND\r\n\r\n#\xC8");
    port.queueBytes(stream);
    port.queueSilence(3);
    EXPECT_EQ(download(3, 1), 5555);
    EXPECT_EQ(captured, stream);
    EXPECT_FALSE(parser->received.contains("OLD"));
}

TEST_F(CommunicationTest, ThePortScanTellsFreeHeldModemAndMissingPorts)
{
    port.setOpenError(2, SerialControl::PortAlreadyOpen);
    port.setOpenError(4, SerialControl::InvalidPortNumber);
    EXPECT_EQ(comm->AvailablePorts(), "1o3x");
    EXPECT_EQ(port.written(), "ATI1\rATI1\r");
    EXPECT_EQ(port.settings(), "9600,N,8,1");
    EXPECT_EQ(port.inputLen(), 0);
    EXPECT_FALSE(port.PortOpen());

    // One byte is not an answer; two or more are a modem's, and are thrown away.
    port.setModemAnswer(1, "\r\nOK\r\n");
    port.setModemAnswer(3, "\r");
    EXPECT_EQ(comm->AvailablePorts(), "mo3x");
}

TEST_F(CommunicationTest, ThePortScanLeavesARunningDownloadAlone)
{
    EXPECT_EQ(comm->AvailablePorts(), "1234");
    port.setOpenError(2, SerialControl::PortAlreadyOpen);
    comm->Serial_Port = 3;
    ASSERT_EQ(comm->RunTest(), 0);
    EXPECT_EQ(comm->AvailablePorts(), "1234");
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.commPort(), 3);
    comm->Close_Port();
    EXPECT_EQ(comm->AvailablePorts(), "1o34");
}

} // namespace
