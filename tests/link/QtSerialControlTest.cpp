#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/LinkTestHelpers.h"
#include "link/QtSerialControl.h"
#include "link/ScriptedParser.h"
#include "support/PtyGauge.h"
#include "support/TempHome.h"

#include <QSerialPort>
#include <gtest/gtest.h>

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

} // namespace
