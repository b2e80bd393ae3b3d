#pragma once

#include "link/GaugeSimulator.h"
#include "link/PseudoTerminal.h"

#include <QtGlobal>
#include <atomic>
#include <functional>

namespace valtrane::link {

// A simulated gauge on a pseudo-terminal that waits for its download as a gauge waits for its
// user: it sends the whole report once a program has opened the line and kept quiet for a moment
// (the person presses PRINT after START on the computer). Programs that only look at the port do
// not use it up: one that speaks first asks for a modem (the port scan), which a gauge never
// answers, and one that closes the line before the whole report went out is let go; the next
// program to open the line gets the report again from its start. A line that goes dead
// (LineFaults::dropAfter) has sent all it ever will.
class PseudoTerminalGauge {
public:
    enum class Event {
        WaitingForProgram,  // the line is free
        PortScan,           // a program spoke first: silent until it closes the line
        ClosedEarly,        // the line was closed after `sent` bytes of the report
        Sent,               // the whole report is on the line: waiting for the program to close it
    };
    using Report = std::function<void(Event event, qint64 sent)>;

    static constexpr int PressPrintDelayMs = 500;

    PseudoTerminalGauge(PseudoTerminal &pty, const GaugeSimulator &gauge, int pressPrintDelayMs = PressPrintDelayMs);

    // Serves the programs that open the line until the whole report was sent and that program
    // closed the line, or cancel is set. True when the whole report was sent.
    bool serve(const std::atomic<bool> *cancel, const Report &report = {});

private:
    enum class Opener { Quiet, Spoke, Left, Cancelled };

    Opener waitForOpener(const std::atomic<bool> *cancel);
    void discardLeftovers();

    PseudoTerminal &m_pty;
    const GaugeSimulator &m_gauge;
    int m_pressPrintDelayMs;
};

} // namespace valtrane::link
