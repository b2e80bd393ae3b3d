#include "link/GaugeSimulator.h"

#include "parse/SampleStreams.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <thread>

namespace valtrane::link {

namespace {

bool isEndByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b == 253 || b == 202;
}

} // namespace

GaugeSimulator::GaugeSimulator(const QByteArray &stream, int baudRate, const LineFaults &faults)
    : m_bytes(garble(stream, faults.garbleRate, faults.seed))
    , m_baudRate(baudRate)
{
    if (faults.dropAfter && *faults.dropAfter < m_bytes.size())
        m_bytes.truncate(std::max<qint64>(*faults.dropAfter, 0));
}

QByteArray GaugeSimulator::streamFor(int deviceCode, const std::optional<QByteArray> &file)
{
    const QByteArray sample = parse::sampleStream(deviceCode);
    if (!file)
        return sample;
    QByteArray stream = *file;
    if (!sample.isEmpty() && isEndByte(sample.back()) && (stream.isEmpty() || !isEndByte(stream.back())))
        stream.append(sample.back());
    return stream;
}

QByteArray GaugeSimulator::garble(const QByteArray &bytes, double rate, quint32 seed)
{
    if (rate <= 0)
        return bytes;
    QRandomGenerator random(seed);
    QByteArray out = bytes;
    for (char &c : out) {
        if (random.generateDouble() >= rate)
            continue;
        const bool high = random.bounded(2) == 1;
        c = char(high ? 128 + random.bounded(128) : random.bounded(128));
    }
    return out;
}

qint64 GaugeSimulator::send(const Writer &write, const std::atomic<bool> *cancel) const
{
    using namespace std::chrono;
    const double bytesPerSecond = m_baudRate / 10.0;
    QElapsedTimer clock;
    clock.start();
    qint64 sent = 0;
    const qint64 total = m_bytes.size();
    while (sent < total && !(cancel && cancel->load())) {
        qint64 due = total;
        if (bytesPerSecond > 0)
            due = std::min(total, qint64(double(clock.nsecsElapsed()) * bytesPerSecond / 1e9) + 1);
        if (due <= sent) {
            const double nextAt = double(sent) / bytesPerSecond;
            const auto wait = duration<double>(nextAt) - nanoseconds(clock.nsecsElapsed());
            std::this_thread::sleep_for(std::min<duration<double>>(wait, milliseconds(50)));
            continue;
        }
        const qint64 n = write(m_bytes.constData() + sent, due - sent);
        if (n < 0)
            break;
        sent += n;
    }
    return sent;
}

} // namespace valtrane::link
