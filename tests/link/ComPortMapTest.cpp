#include "link/ComPortMap.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;
using link::ComPortMap;

namespace {

TEST(ComPortMap, ReadsPortNamesInAnyCase)
{
    EXPECT_EQ(ComPortMap::portNumber("COM3"), 3);
    EXPECT_EQ(ComPortMap::portNumber(" com12 "), 12);
    EXPECT_FALSE(ComPortMap::portNumber("COM"));
    EXPECT_FALSE(ComPortMap::portNumber("/dev/ttyUSB0"));
    EXPECT_FALSE(ComPortMap::portNumber("COM3x"));
}

#ifndef Q_OS_WIN
TEST(ComPortMap, AnExplicitDeviceWinsThenTheEnvironmentThenTheSettings)
{
    test::TempHome home;
    home.writeFile("info/ComPorts.vkt", "COM1 = /dev/ttyUSB5\r\ncom2=/dev/ttyACM1\r\nCOM3 = /dev/from-settings\r\n");
    qputenv("VALTRANE_COM2", "/dev/from-environment");
    qputenv("VALTRANE_COM3", "/dev/from-environment");
    ComPortMap map(home.paths());
    map.setDevice(3, "/tmp/explicit");
    EXPECT_EQ(map.device(1), "/dev/ttyUSB5");
    EXPECT_EQ(map.device(2), "/dev/from-environment");
    EXPECT_EQ(map.device(3), "/tmp/explicit");
    qunsetenv("VALTRANE_COM2");
    qunsetenv("VALTRANE_COM3");
    EXPECT_EQ(map.device(2), "/dev/ttyACM1");
}

TEST(ComPortMap, NumbersAdaptersFirstAndKeepsDevicesTheUserMayNotOpen)
{
    test::TempHome home;
    for (const char *name : {"ttyS1", "ttyS0", "ttyACM10", "ttyACM2", "ttyUSB0", "null", "tty0"})
        home.writeFile(QStringLiteral("dev/") + name, "");
    const QString dev = home.path() + "/dev";
    // An adapter that belongs to a group the user is not in.
    ASSERT_TRUE(QFile::setPermissions(dev + "/ttyUSB0", QFileDevice::Permissions()));
    EXPECT_EQ(ComPortMap::defaultDevices(dev),
              (QStringList{dev + "/ttyUSB0", dev + "/ttyACM2", dev + "/ttyACM10", dev + "/ttyS0", dev + "/ttyS1"}))
        << qPrintable(ComPortMap::defaultDevices(dev).join(' '));

    // Without a setting, COMn is the n-th device found; numbers beyond them have none.
    ComPortMap map(home.paths(), dev);
    EXPECT_EQ(map.device(1), dev + "/ttyUSB0");
    EXPECT_EQ(map.device(5), dev + "/ttyS1");
    EXPECT_EQ(map.device(6), "");
    EXPECT_EQ(map.device(0), "");
}
#endif

} // namespace
