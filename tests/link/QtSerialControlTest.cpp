// The link on a real serial device: a pseudo-terminal whose other end plays the gauge.
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

using test::fastClock;
using test::filtered;
using test::longReport;

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
    void attach(test::PtyGauge &gauge, int port = 1)
    {
        ASSERT_TRUE(gauge.isOpen());
        ports.setDevice(port, gauge.device());
    }

    std::int16_t download(std::int32_t code)
    {
        EXPECT_EQ(comm.RunTest(), 0);
        return comm.GetData(code, 0);
    }

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
    const QByteArray stream = longReport(800) + "\xFD";
    test::PtyGauge gauge(stream);
    attach(gauge);
    QByteArray captured;
    comm.setReceivedBytesSink([&captured](const QByteArray &bytes) { captured += bytes; });
    comm.setYield(gauge.startOnFirstYield());
    ASSERT_GT(stream.size(), 20000);
    EXPECT_EQ(download(1), 0);
    EXPECT_EQ(std::tuple(parser->received, state.Table_List.count(QLatin1Char(' ')), captured),
              std::tuple(filtered(stream.mid(4, stream.size() - 5)), 800, stream));
    comm.Close_Port();
    EXPECT_FALSE(control.PortOpen());
}

TEST_F(QtSerialControlTest, ALineThatGoesDeadMidStreamEndsByTheIdleRuleWithoutHanging)
{
    link::LineFaults dead;
    dead.dropAfter = 90;
    test::PtyGauge gauge(longReport(10) + "END\xFD", 0, dead);
    attach(gauge);
    comm.setYield(gauge.startOnFirstYield(true));
    comm.setReadWait(0);
    EXPECT_EQ(download(1), 4545);
    EXPECT_EQ(parser->received, filtered(gauge.bytes().mid(4)));
}

TEST_F(QtSerialControlTest, ThePortScanTellsHeldMissingModemAndFreeDevices)
{
    test::PtyGauge held(""), modem(""), free("");
    attach(held, 1);
    ports.setDevice(2, home.path() + "/no-such-device");
    attach(modem, 3);
    attach(free, 4);
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
    const link::Communication::Clock fast = fastClock(500);
    comm.setClock([&answered, fast] { return answered ? fast() : 0; });
    const QString scan = comm.AvailablePorts();
    answering.join();
    EXPECT_EQ(std::tuple(scan, asked, control.PortOpen()), std::tuple(QString("oxm4"), QByteArray("ATI1\r"), false));

    comm.Serial_Port = 1;
    EXPECT_EQ(comm.RunTest(), 99);
}

} // namespace
