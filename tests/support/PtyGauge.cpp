#include "support/PtyGauge.h"

namespace valtrane::test {

PtyGauge::PtyGauge(const QByteArray &bytes, int baudRate, const link::LineFaults &faults)
    : m_gauge(bytes, baudRate, faults)
{
}

PtyGauge::~PtyGauge()
{
    m_cancel = true;
    waitUntilSent();
}

void PtyGauge::launch(std::optional<int> delayAfterOpenMs)
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this, delayAfterOpenMs] {
        if (delayAfterOpenMs) {
            if (!m_pty.waitForSlave(true, 30000, &m_cancel))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(*delayAfterOpenMs));
        }
        m_gauge.send([this](const char *data, qint64 size) { return m_pty.write(data, size, 100); }, &m_cancel);
    });
}

void PtyGauge::waitUntilSent()
{
    if (m_thread.joinable())
        m_thread.join();
}

std::function<void()> PtyGauge::startOnFirstYield(bool waitUntilSent, std::function<void()> then)
{
    auto started = std::make_shared<bool>(false);
    return [this, started, waitUntilSent, then] {
        if (!*started) {
            *started = true;
            start();
            if (waitUntilSent)
                this->waitUntilSent();
        }
        if (then)
            then();
    };
}

} // namespace valtrane::test
