#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

namespace valtrane::link {

// A pseudo-terminal pair (Unix): its slave side is a serial device the program can open like any
// port, its master side is the gauge end of the line. Both ends are raw: every byte passes
// unchanged. The slave is left closed, so the master end can tell whether a program has the port
// open. Elsewhere isOpen() is false.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return m_master >= 0; }
    const QString &slavePath() const { return m_slavePath; }

    // Whether some program has the slave side open now.
    bool slaveInUse() const;
    // Waits until the slave side is in use (or no longer), cancel is set, or timeoutMs passed
    // (-1: no limit). True when it came to pass.
    bool waitForSlave(bool inUse, int timeoutMs, const std::atomic<bool> *cancel = nullptr) const;

    // Writes what the line takes within timeoutMs; the number of bytes written, or -1 when the
    // line is gone (no program has the port open any more, or an error).
    qint64 write(const char *data, qint64 size, int timeoutMs);
    qint64 write(const QByteArray &bytes, int timeoutMs) { return write(bytes.constData(), bytes.size(), timeoutMs); }
    // What the program sent, waiting up to timeoutMs for the first byte.
    QByteArray read(int timeoutMs);

private:
    int m_master = -1;
    QString m_slavePath;
};

} // namespace valtrane::link
