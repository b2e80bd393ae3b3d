#include "link/FakeSerialControl.h"

#include "link/SerialSettings.h"

#include <algorithm>

namespace valtrane::link {

void FakeSerialControl::arrive(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

void FakeSerialControl::queueBytes(const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        m_script.emplace_back(bytes);
}

void FakeSerialControl::queueSilence(int emptyReads)
{
    m_script.emplace_back(Silence{emptyReads});
}

void FakeSerialControl::queueCommEvent(int event)
{
    m_script.emplace_back(Event{event});
}

void FakeSerialControl::queueAction(std::function<void()> action)
{
    m_script.emplace_back(std::move(action));
}

bool FakeSerialControl::settleScript()
{
    while (!m_script.empty()) {
        Item &front = m_script.front();
        if (auto *event = std::get_if<Event>(&front)) {
            m_commEvent = event->code;
            m_script.pop_front();
        } else if (auto *action = std::get_if<std::function<void()>>(&front)) {
            const std::function<void()> run = std::move(*action);
            m_script.pop_front();
            if (run)
                run();
        } else if (auto *silence = std::get_if<Silence>(&front); silence && silence->reads <= 0) {
            m_script.pop_front();
        } else {
            return true;
        }
    }
    return false;
}

int FakeSerialControl::setPortOpen(bool open)
{
    if (!open) {
        m_open = false;
        m_buffer.clear();
        return NoError;
    }
    if (m_open)
        return PortAlreadyOpen;
    if (const int error = m_openErrors.value(m_commPort, NoError); error != NoError)
        return error;
    m_open = true;
    m_commEvent = 0;
    ++m_openCount;
    return NoError;
}

int FakeSerialControl::setCommPort(int port)
{
    if (m_open)
        return PortAlreadyOpen;
    if (port < 1 || port > 255)
        return InvalidPortNumber;
    m_commPort = port;
    return NoError;
}

int FakeSerialControl::setSettings(const QString &settings)
{
    if (!SerialSettings::parse(settings))
        return InvalidPropertyValue;
    m_settings = settings;
    return NoError;
}

int FakeSerialControl::setInputLen(int length)
{
    if (length < 0)
        return InvalidPropertyValue;
    m_inputLen = length;
    return NoError;
}

int FakeSerialControl::setHandshaking(int handshaking)
{
    if (handshaking < 0 || handshaking > 3)
        return InvalidPropertyValue;
    m_handshaking = handshaking;
    return NoError;
}

int FakeSerialControl::setInBufferSize(int bytes)
{
    if (bytes <= 0)
        return InvalidPropertyValue;
    m_inBufferSize = bytes;
    return NoError;
}

int FakeSerialControl::InBufferCount()
{
    return m_open ? int(m_buffer.size()) : 0;
}

int FakeSerialControl::setInBufferCount(int count)
{
    if (!m_open)
        return PortNotOpen;
    if (count != 0)
        return InvalidPropertyValue;
    m_buffer.clear();
    m_justDiscarded = true;
    return NoError;
}

QByteArray FakeSerialControl::Input()
{
    if (!m_open)
        return QByteArray();
    if (m_buffer.isEmpty()) {
        if (m_justDiscarded) {
            m_justDiscarded = false;
            return QByteArray();
        }
        if (!settleScript()) {
            if (m_onExhausted)
                m_onExhausted();
            return QByteArray();
        }
        Item &front = m_script.front();
        if (auto *silence = std::get_if<Silence>(&front)) {
            if (--silence->reads <= 0)
                m_script.pop_front();
            return QByteArray();
        }
        m_buffer = std::get<QByteArray>(std::move(front));
        m_script.pop_front();
    }
    const qsizetype n = m_inputLen == 0 ? m_buffer.size() : std::min<qsizetype>(m_inputLen, m_buffer.size());
    const QByteArray out = m_buffer.first(n);
    m_buffer.remove(0, n);
    return out;
}

int FakeSerialControl::Output(const QByteArray &bytes)
{
    if (!m_open)
        return PortNotOpen;
    m_written.append(bytes);
    m_buffer.append(m_modemAnswers.value(m_commPort));
    return NoError;
}

bool FakeSerialControl::waitForInput(int msecs)
{
    m_justDiscarded = false;
    if (m_open && !m_buffer.isEmpty())
        return true;
    if (m_open && settleScript() && std::holds_alternative<QByteArray>(m_script.front())) {
        m_buffer.append(std::get<QByteArray>(m_script.front()));
        m_script.pop_front();
        return true;
    }
    m_now += std::max(msecs, 0);
    return false;
}

} // namespace valtrane::link
