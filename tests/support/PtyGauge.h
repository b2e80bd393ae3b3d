#pragma once

#include "link/GaugeSimulator.h"
#include "link/PseudoTerminal.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace valtrane::test {

// A gauge on a pseudo-terminal, sending from a thread of its own while the test reads the other
// end through the program's serial control.
class PtyGauge {
public:
    // baudRate 0: as fast as the line takes the bytes.
    explicit PtyGauge(const QByteArray &bytes, int baudRate = 0, const link::LineFaults &faults = {});
    ~PtyGauge();

    bool isOpen() const { return m_pty.isOpen(); }
    const QString &device() const { return m_pty.slavePath(); }
    link::PseudoTerminal &pty() { return m_pty; }
    const QByteArray &bytes() const { return m_gauge.bytes(); }

    void start() { launch(std::nullopt); }
    // Sends once a program has opened the line and had delayMs to get ready (PRINT after START).
    void startWhenOpened(int delayMs) { launch(delayMs); }
    void waitUntilSent();

    // A read loop yield that starts the gauge at its first call, returning, with waitUntilSent, once
    // a short stream is all on the line; then runs at every call.
    std::function<void()> startOnFirstYield(bool waitUntilSent = false, std::function<void()> then = {});

private:
    void launch(std::optional<int> delayAfterOpenMs);

    link::PseudoTerminal m_pty;
    link::GaugeSimulator m_gauge;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};

} // namespace valtrane::test
