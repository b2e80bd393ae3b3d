#pragma once

#include "link/SerialControl.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <deque>
#include <functional>
#include <variant>

namespace valtrane::link {

// A serial control that plays a script instead of a port: bytes that arrive, reads that find
// nothing, communication events, and actions run at a given point of the reading (a user pressing
// a button). It records what the program set and wrote, fails to open on request, and answers
// writes like a modem. Time is its own: every wait for input that finds nothing moves its clock on
// by the time waited, so thirty seconds of silence pass at once. Used by tests and by the replay
// of captured downloads.
class FakeSerialControl : public SerialControl {
public:
    // Bytes waiting before anything was read.
    void arrive(const QByteArray &bytes);
    // Bytes that arrive once everything before them in the script has been read.
    void queueBytes(const QByteArray &bytes);
    // The next reads that find nothing.
    void queueSilence(int emptyReads);
    void queueCommEvent(int event);
    void queueAction(std::function<void()> action);
    // Called whenever a read finds nothing waiting and nothing left in the script.
    void setOnExhausted(std::function<void()> handler) { m_onExhausted = std::move(handler); }

    // Opening this port fails with this error (PortAlreadyOpen: another program holds it).
    void setOpenError(int port, int error) { m_openErrors.insert(port, error); }
    // Bytes that arrive after anything is written to this port.
    void setModemAnswer(int port, const QByteArray &answer) { m_modemAnswers.insert(port, answer); }

    qint64 now() const { return m_now; }
    std::function<qint64()> clock() const { return [this] { return m_now; }; }

    int commPort() const { return m_commPort; }
    const QString &settings() const { return m_settings; }
    int inputLen() const { return m_inputLen; }
    int handshaking() const { return m_handshaking; }
    int inBufferSize() const { return m_inBufferSize; }
    int openCount() const { return m_openCount; }
    const QByteArray &written() const { return m_written; }
    bool scriptDone() const { return m_script.empty() && m_buffer.isEmpty(); }

    bool PortOpen() const override { return m_open; }
    int setPortOpen(bool open) override;
    int setCommPort(int port) override;
    int setSettings(const QString &settings) override;
    int setInputLen(int length) override;
    int setHandshaking(int handshaking) override;
    int setInBufferSize(int bytes) override;
    int InBufferCount() override;
    int setInBufferCount(int count) override;
    QByteArray Input() override;
    int Output(const QByteArray &bytes) override;
    int CommEvent() override { return m_commEvent; }
    bool waitForInput(int msecs) override;

private:
    struct Silence { int reads; };
    struct Event { int code; };
    using Item = std::variant<QByteArray, Silence, Event, std::function<void()>>;

    // Runs events and actions at the head of the script; true when bytes or silence come next.
    bool settleScript();

    std::deque<Item> m_script;
    QByteArray m_buffer;
    std::function<void()> m_onExhausted;
    QHash<int, int> m_openErrors;
    QHash<int, QByteArray> m_modemAnswers;
    qint64 m_now = 0;
    bool m_open = false;
    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_inputLen = 0;
    int m_handshaking = 0;
    int m_inBufferSize = 1024;
    int m_commEvent = 0;
    int m_openCount = 0;
    // Discarding the buffer empties it as it is at that moment: the next read finds nothing, and
    // the script goes on only after that.
    bool m_justDiscarded = false;
    QByteArray m_written;
};

} // namespace valtrane::link
