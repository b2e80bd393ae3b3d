#include "link/GaugeSimulator.h"

#include "common/AppState.h"
#include "link/PortScan.h"
#include "parse/SampleStreams.h"

#include <gtest/gtest.h>

using namespace valtrane;
using link::GaugeSimulator;

namespace {

QByteArray report(int size) { return QByteArray("12+50 ,5R ,  2 ,S ,118.2\r\n").repeated(size / 26 + 1).left(size); }

TEST(GaugeSimulator, GarbledBytesAreNoiseAboveAndBelow127AndRepeatWithTheSeed)
{
    const QByteArray clean = report(20000);
    EXPECT_EQ(GaugeSimulator::garble(clean, 0, 7), clean);

    const QByteArray noisy = GaugeSimulator::garble(clean, 0.1, 7);
    ASSERT_EQ(noisy.size(), clean.size());
    int changed = 0, high = 0;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        changed += noisy[i] != clean[i];
        high += static_cast<unsigned char>(noisy[i]) > 127;
    }
    EXPECT_TRUE(changed > 1600 && changed < 2400 && high > 800 && high < 1200) << changed << " " << high;
    EXPECT_EQ(GaugeSimulator::garble(clean, 0.1, 7), noisy);
    EXPECT_NE(GaugeSimulator::garble(clean, 0.1, 8), noisy);
}

TEST(GaugeSimulator, SendingStopsWhereTheLineDiesOrIsGoneOrOnCancel)
{
    link::LineFaults faults;
    faults.dropAfter = 100;
    QByteArray line;
    EXPECT_EQ(GaugeSimulator(report(1000), 0, faults).send([&line](const char *data, qint64 size) {
        line.append(data, size);
        return size;
    }), 100);
    EXPECT_EQ(line, report(100));

    const GaugeSimulator gauge(report(1000), 0);
    qint64 calls = 0;
    EXPECT_EQ(gauge.send([&calls](const char *, qint64 size) { return ++calls < 5 ? std::min<qint64>(size, 3) : -1; }), 12);
    std::atomic<bool> cancel{true};
    EXPECT_EQ(gauge.send([](const char *, qint64 size) { return size; }, &cancel), 0);
}

TEST(GaugeSimulator, AFileEndsWithTheEndByteWhereTheModelsGaugeSendsOne)
{
    EXPECT_EQ(std::pair(GaugeSimulator::streamFor(NG7700A, QByteArray("#A\r\n")), GaugeSimulator::streamFor(NG7700A, QByteArray("#A\r\n\xFD"))),
              std::pair(QByteArray("#A\r\n\xFD"), QByteArray("#A\r\n\xFD")));
    EXPECT_EQ(GaugeSimulator::streamFor(NG7700B, QByteArray("#A\r\n")), "#A\r\n");  // ends with its own last line
    EXPECT_EQ(GaugeSimulator::streamFor(SG2150), parse::sampleStream(SG2150));
}

TEST(PortScan, CaptionsFollowTheScanInPortOrder)
{
    EXPECT_EQ(link::PortScan::captions("1o3x"),
              (QStringList{"COM1: AVAILABLE", "COM2: IN USE", "COM3: AVAILABLE", "COM4: UNAVAILABLE"}));
    EXPECT_EQ(link::PortScan::captions("m2xo").first(), "COM1: MODEM");
    EXPECT_FALSE(link::PortScan::selectable(QLatin1Char('m')));
}

} // namespace
