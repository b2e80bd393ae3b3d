#pragma once

#include <QByteArray>
#include <atomic>
#include <functional>
#include <optional>

namespace valtrane::link {

// What can go wrong on the line between gauge and program.
struct LineFaults {
    std::optional<qint64> dropAfter;  // the line goes dead after this many bytes
    double garbleRate = 0;            // share of bytes replaced by noise (half of it above 127)
    quint32 seed = 1;                 // the same seed garbles the same bytes
};

// A gauge on the line: sends a model's report at the line rate, with faults on request. The
// simulate command puts it on a port or pseudo-terminal; tests put it on a pseudo-terminal.
class GaugeSimulator {
public:
    // Takes what it can of the bytes and tells how many; -1 when the line is gone.
    using Writer = std::function<qint64(const char *data, qint64 size)>;

    // baudRate 0 sends as fast as the line takes the bytes.
    GaugeSimulator(const QByteArray &stream, int baudRate, const LineFaults &faults = {});

    // The bytes the gauge sends, faults applied.
    const QByteArray &bytes() const { return m_bytes; }

    // Sends at baudRate / 10 bytes a second (8 data bits, start and stop bit). Returns the number of
    // bytes sent; stops early when cancel is set or the line is gone.
    qint64 send(const Writer &write, const std::atomic<bool> *cancel = nullptr) const;

    // The model's built-in report, or file when one is given; a file gets the model's end byte
    // when the model's gauge sends one and the file does not already end with it.
    static QByteArray streamFor(int deviceCode, const std::optional<QByteArray> &file = std::nullopt);

    static QByteArray garble(const QByteArray &bytes, double rate, quint32 seed);

private:
    QByteArray m_bytes;
    int m_baudRate;
};

} // namespace valtrane::link
