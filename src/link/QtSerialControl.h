#pragma once

#include "link/SerialControl.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace valtrane::link {

class ComPortMap;

// The serial control over a real port (QSerialPort). COM port numbers become devices through the
// port map when the port is opened.
//
// A receive-buffer overflow is what the operating system reports as lost input: the overrun counts
// of the serial driver on Linux and Windows, where the driver keeps them; other systems report
// none. It is looked at no more than every 50 ms, so the read loop's per-character check costs
// nothing.
class QtSerialControl : public SerialControl {
public:
    explicit QtSerialControl(const ComPortMap &ports);

    // The control's error for a port that failed to open: no such device is an invalid port
    // number, a device held by another program is a port already open, and anything else (a
    // device this user may not use among them) is hardware that is not available.
    static int openError(QSerialPort::SerialPortError error, bool mayUseDevice);

    bool PortOpen() const override;
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
    int CommEvent() override;
    bool waitForInput(int msecs) override;

    // The device the current port number stands for.
    QString device() const;

private:
    int open();
    int applySettings();
    void pullWaiting();
    long lostInputCount() const;

    const ComPortMap &m_ports;
    QSerialPort m_port;
    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_inputLen = 0;
    int m_handshaking = 0;
    int m_commEvent = 0;
    long m_lostAtOpen = 0;
    QElapsedTimer m_sinceEventCheck;
};

} // namespace valtrane::link
