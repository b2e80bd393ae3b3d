#include "link/PseudoTerminalGauge.h"

#include <QElapsedTimer>

namespace valtrane::link {

namespace {

constexpr int WriteWaitMs = 100;
constexpr int ListenStepMs = 20;

bool cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load();
}

} // namespace

PseudoTerminalGauge::PseudoTerminalGauge(PseudoTerminal &pty, const GaugeSimulator &gauge, int pressPrintDelayMs)
    : m_pty(pty)
    , m_gauge(gauge)
    , m_pressPrintDelayMs(pressPrintDelayMs)
{
}

bool PseudoTerminalGauge::serve(const std::atomic<bool> *cancel, const Report &report)
{
    const auto tell = [&report](Event event, qint64 sent) {
        if (report)
            report(event, sent);
    };
    const qint64 total = m_gauge.bytes().size();
    for (;;) {
        discardLeftovers();
        tell(Event::WaitingForProgram, 0);
        const Opener opener = waitForOpener(cancel);
        if (opener == Opener::Cancelled)
            return false;
        if (opener == Opener::Spoke) {
            tell(Event::PortScan, 0);
            if (!m_pty.waitForSlave(false, -1, cancel))
                return false;
            continue;
        }
        if (opener == Opener::Left) {
            tell(Event::ClosedEarly, 0);
            continue;
        }
        const qint64 sent =
            m_gauge.send([this](const char *data, qint64 size) { return m_pty.write(data, size, WriteWaitMs); }, cancel);
        if (sent == total) {
            tell(Event::Sent, sent);
            // A dead line stays open: the program has to find out by itself that nothing comes any more.
            m_pty.waitForSlave(false, -1, cancel);
            return true;
        }
        if (cancelled(cancel))
            return false;
        tell(Event::ClosedEarly, sent);
    }
}

PseudoTerminalGauge::Opener PseudoTerminalGauge::waitForOpener(const std::atomic<bool> *cancel)
{
    if (!m_pty.waitForSlave(true, -1, cancel))
        return Opener::Cancelled;
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < m_pressPrintDelayMs) {
        if (cancelled(cancel))
            return Opener::Cancelled;
        if (!m_pty.read(ListenStepMs).isEmpty())
            return Opener::Spoke;
        if (!m_pty.slaveInUse())
            return Opener::Left;
    }
    return Opener::Quiet;
}

void PseudoTerminalGauge::discardLeftovers()
{
    // What an earlier program sent must not make the next one look like a port scan.
    while (!m_pty.read(0).isEmpty()) {
    }
}

} // namespace valtrane::link
