#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/LinkTestHelpers.h"
#include "link/QtSerialControl.h"
#include "link/ScriptedParser.h"
#include "support/PtyGauge.h"
#include "support/TempHome.h"

#include <QSerialPort>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace valtrane;

namespace {

TEST(QtSerialControl, TellsAHeldPortFromAMissingOrForbiddenOne)
{
    using link::SerialControl;
    const auto error = &link::QtSerialControl::openError;
    EXPECT_EQ((std::vector{error(QSerialPort::DeviceNotFoundError, true), error(QSerialPort::PermissionError, true),
                           error(QSerialPort::PermissionError, false), error(QSerialPort::OpenError, true),
                           error(QSerialPort::ResourceError, true), error(QSerialPort::UnknownError, true)}),
              (std::vector{int(SerialControl::InvalidPortNumber), int(SerialControl::PortAlreadyOpen), int(SerialControl::HardwareNotAvailable),
                           int(SerialControl::HardwareNotAvailable), int(SerialControl::HardwareNotAvailable), int(SerialControl::HardwareNotAvailable)}));
}

class QtSerialControlTest : public ::testing::Test {
protected:
    test::TempHome home;
    AppState state;
    link::ComPortMap ports{home.paths()};
    link::QtSerialControl control{ports};
    test::ScriptedParser *parser = new test::ScriptedParser;
    link::Communication comm{home.paths(), state, std::unique_ptr<link::StreamParser>(parser)};

    void SetUp() override { comm.setComm_Object(&control); }
};

TEST_F(QtSerialControlTest, AStreamOfManyKilobytesArrivesWholeAndFiltered)
{
    const QByteArray stream = test::longReport(800) + "\xFD";
    test::PtyGauge gauge(stream);
    ASSERT_TRUE(gauge.isOpen());
    ports.setDevice(1, gauge.device());
    QByteArray captured;
    comm.setReceivedBytesSink([&captured](const QByteArray &bytes) { captured += bytes; });
    comm.setYield(gauge.startOnFirstYield());
    ASSERT_GT(stream.size(), 20000);
    ASSERT_EQ(comm.RunTest(), 0);
    EXPECT_EQ(comm.GetData(1, 0), 0);
    EXPECT_EQ(std::tuple(parser->received, state.Table_List.count(QLatin1Char(' ')), captured),
              std::tuple(test::filtered(stream.mid(4, stream.size() - 5)), 800, stream));
    comm.Close_Port();
    EXPECT_FALSE(control.PortOpen());
}

TEST_F(QtSerialControlTest, ALineThatGoesDeadMidStreamEndsByTheIdleRuleWithoutHanging)
{
    link::LineFaults dead;
    dead.dropAfter = 90;
    test::PtyGauge gauge(test::longReport(10) + "END\xFD", 0, dead);
    ASSERT_TRUE(gauge.isOpen());
    ports.setDevice(1, gauge.device());
    comm.setYield(gauge.startOnFirstYield(true));
    comm.setReadWait(0);
    ASSERT_EQ(comm.RunTest(), 0);
    EXPECT_EQ(comm.GetData(1, 0), 4545);
    EXPECT_EQ(parser->received, test::filtered(gauge.bytes().mid(4)));
}

TEST_F(QtSerialControlTest, ThePortScanTellsHeldMissingModemAndFreeDevices)
{
    test::PtyGauge held(""), modem(""), free("");
    ports.setDevice(1, held.device());
    ports.setDevice(2, home.path() + "/no-such-device");
    ports.setDevice(3, modem.device());
    ports.setDevice(4, free.device());
    QSerialPort otherProgram(held.device());
    ASSERT_TRUE(otherProgram.open(QIODevice::ReadWrite));

    QByteArray asked;
    std::atomic<bool> answered{false};
    std::thread answering([&] {
        asked = modem.pty().read(10000);
        modem.pty().write("\r\nOK\r\n", 100);
        answered = true;
    });
    // The probes' clock stands still until the modem has answered, however late its thread runs;
    // from then on the wait for an answer on the free port is over at once.
    qint64 now = 0;
    comm.setClock([&] { return answered ? now += 500 : 0; });
    const QString scan = comm.AvailablePorts();
    answering.join();
    EXPECT_EQ(std::tuple(scan, asked, control.PortOpen()), std::tuple(QString("ox" "m4"), QByteArray("ATI1\r"), false));
    comm.Serial_Port = 1;
    EXPECT_EQ(comm.RunTest(), 99);
}

} // namespace
