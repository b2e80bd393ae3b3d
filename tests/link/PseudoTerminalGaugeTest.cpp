// The simulated gauge on a pseudo-terminal, with the programs that open its line: the port scan,
// one that leaves early, and the download.
#include "link/PseudoTerminalGauge.h"

#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/LinkTestHelpers.h"
#include "link/QtSerialControl.h"
#include "link/ScriptedParser.h"
#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QList>
#include <QSerialPort>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <utility>

using namespace valtrane;
using Event = link::PseudoTerminalGauge::Event;

namespace {

#ifdef Q_OS_UNIX

// The gauge serving its line from a thread of its own, keeping what it reported.
class ServedGauge {
public:
    explicit ServedGauge(const QByteArray &report, const link::LineFaults &faults = {})
        : m_gauge(report, 0, faults)
        , m_line(m_pty, m_gauge)
    {
        m_thread = std::thread([this] {
            m_sentWhole = m_line.serve(&m_cancel, [this](Event event, qint64 sent) {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_events.append({event, sent});
            });
        });
    }
    ~ServedGauge()
    {
        m_cancel = true;
        finish();
    }

    const QString &device() const { return m_pty.slavePath(); }

    QList<std::pair<Event, qint64>> events() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    int count(Event event) const
    {
        int n = 0;
        for (const auto &e : events())
            n += e.first == event ? 1 : 0;
        return n;
    }
    // Waits until the gauge has reported event n times (a program that opens the line before the
    // gauge saw the last one go could be taken for that one).
    bool waitFor(Event event, int times) const
    {
        QElapsedTimer waited;
        waited.start();
        while (count(event) < times) {
            if (waited.elapsed() > 20000)
                return false;
            QThread::msleep(5);
        }
        return true;
    }
    // True when the gauge finished because the whole report was sent.
    bool finish()
    {
        if (m_thread.joinable())
            m_thread.join();
        return m_sentWhole;
    }

private:
    link::PseudoTerminal m_pty;
    link::GaugeSimulator m_gauge;
    link::PseudoTerminalGauge m_line;
    std::atomic<bool> m_cancel{false};
    mutable std::mutex m_mutex;
    QList<std::pair<Event, qint64>> m_events;
    bool m_sentWhole = false;
    std::thread m_thread;
};

TEST(PseudoTerminalGauge, OutlastsThePortScanAndAProgramThatLeavesEarlyAndSendsTheDownloadTheWholeReport)
{
    // More than a pseudo-terminal holds: a program that does not read cannot have received it all.
    const QByteArray report = test::longReport(1600) + "\xFD";
    ServedGauge gauge(report);
    ASSERT_TRUE(gauge.waitFor(Event::WaitingForProgram, 1));

    test::TempHome home;
    AppState state;
    link::ComPortMap ports(home.paths());
    ports.setDevice(1, gauge.device());
    for (int port = 2; port <= 4; ++port)
        ports.setDevice(port, home.path() + "/no-such-device");
    link::QtSerialControl control(ports);
    auto *parser = new test::ScriptedParser;
    link::Communication comm(home.paths(), state, std::unique_ptr<link::StreamParser>(parser));
    comm.setComm_Object(&control);

    // The scan's wait for a modem's answer lasts until the gauge has seen the probe.
    const link::Communication::Clock fast = test::fastClock(500);
    comm.setClock([&gauge, fast] { return gauge.count(Event::PortScan) > 0 ? fast() : 0; });
    EXPECT_EQ(comm.AvailablePorts(), "1xxx");
    ASSERT_TRUE(gauge.waitFor(Event::WaitingForProgram, 2));

    QSerialPort early(gauge.device());
    ASSERT_TRUE(early.open(QIODevice::ReadWrite));
    ASSERT_TRUE(early.waitForReadyRead(10000));
    early.close();
    ASSERT_TRUE(gauge.waitFor(Event::WaitingForProgram, 3));

    QElapsedTimer sinceScan;
    sinceScan.start();
    comm.setClock([&sinceScan] { return sinceScan.elapsed(); });
    ASSERT_EQ(comm.RunTest(), 0);
    EXPECT_EQ(comm.GetData(1, 0), 0);
    EXPECT_EQ(parser->received, test::filtered(report.mid(4, report.size() - 5)));
    comm.Close_Port();
    EXPECT_TRUE(gauge.finish());

    const auto events = gauge.events();
    ASSERT_EQ(events.size(), 6);
    EXPECT_EQ(events[1], std::make_pair(Event::PortScan, qint64(0)));
    EXPECT_EQ(events[3].first, Event::ClosedEarly);
    EXPECT_GT(events[3].second, 0);
    EXPECT_LT(events[3].second, report.size());
    EXPECT_EQ(events[5], std::make_pair(Event::Sent, qint64(report.size())));
}

TEST(PseudoTerminalGauge, ALineThatGoesDeadHasSentAllItEverWill)
{
    link::LineFaults dead;
    dead.dropAfter = 10;
    ServedGauge gauge(test::longReport(10), dead);
    QSerialPort program(gauge.device());
    ASSERT_TRUE(program.open(QIODevice::ReadWrite));
    QByteArray received;
    while (received.size() < 10 && program.waitForReadyRead(10000))
        received += program.readAll();
    program.close();
    EXPECT_TRUE(gauge.finish());
    EXPECT_EQ(received, test::longReport(10).left(10));
    const auto events = gauge.events();
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.last(), std::make_pair(Event::Sent, qint64(10)));
    EXPECT_EQ(gauge.count(Event::ClosedEarly), 0);
}

TEST(PseudoTerminalGauge, StopsWhenCancelledBeforeAnyProgramCame)
{
    link::PseudoTerminal pty;
    ASSERT_TRUE(pty.isOpen());
    const link::GaugeSimulator report("#A\r\n", 0);
    link::PseudoTerminalGauge gauge(pty, report);
    const std::atomic<bool> cancel{true};
    QList<Event> events;
    EXPECT_FALSE(gauge.serve(&cancel, [&events](Event event, qint64) { events.append(event); }));
    EXPECT_EQ(events, QList<Event>{Event::WaitingForProgram});
}

#endif

} // namespace
