#include "link/PseudoTerminalGauge.h"

#include <QList>
#include <atomic>
#include <gtest/gtest.h>

using namespace valtrane;
using Event = link::PseudoTerminalGauge::Event;

namespace {

#ifdef Q_OS_UNIX

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
