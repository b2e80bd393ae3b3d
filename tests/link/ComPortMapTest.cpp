#include "link/ComPortMap.h"
#include "support/TempHome.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

using namespace valtrane;
using link::ComPortMap;

namespace {

TEST(ComPortMap, ReadsPortNamesInAnyCase)
{
    std::vector<std::optional<int>> numbers;
    for (const char *name : {"COM3", " com12 ", "COM", "/dev/ttyUSB0", "COM3x"})
        numbers.push_back(ComPortMap::portNumber(name));
    EXPECT_EQ(numbers, (std::vector<std::optional<int>>{3, 12, std::nullopt, std::nullopt, std::nullopt}));
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
    EXPECT_EQ((QStringList{map.device(1), map.device(2), map.device(3)}), (QStringList{"/dev/ttyUSB5", "/dev/from-environment", "/tmp/explicit"}));
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
    ASSERT_TRUE(QFile::setPermissions(dev + "/ttyUSB0", QFileDevice::Permissions()));
    EXPECT_EQ(ComPortMap::defaultDevices(dev),
              (QStringList{dev + "/ttyUSB0", dev + "/ttyACM2", dev + "/ttyACM10", dev + "/ttyS0", dev + "/ttyS1"}))
        << qPrintable(ComPortMap::defaultDevices(dev).join(' '));

    // Without a setting, COMn is the n-th device found; numbers beyond them have none.
    ComPortMap map(home.paths(), dev);
    EXPECT_EQ((QStringList{map.device(1), map.device(5), map.device(6), map.device(0)}), (QStringList{dev + "/ttyUSB0", dev + "/ttyS1", "", ""}));
}
#endif

} // namespace
