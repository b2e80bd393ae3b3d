#pragma once

#include <QByteArray>
#include <QString>

namespace valtrane::link {

// The serial-port control the gauge link talks to, by property: the one door to a port. Writing a
// property may fail; the setters return the control's error number (0 when it went well), and the
// callers decide what an error means (a port held by another program is 8005, a port that does not
// exist 8002).
class SerialControl {
public:
    enum Error : int {
        NoError = 0,
        InvalidPropertyValue = 380,   // a settings string that cannot be applied
        InvalidPortNumber = 8002,     // no such port
        PortAlreadyOpen = 8005,       // held by another program, or this control has it open already
        HardwareNotAvailable = 8010,  // the port exists but cannot be opened
        PortNotOpen = 8018,           // an operation that needs the port open
    };

    // CommEvent: the receive buffer overflowed and bytes were lost.
    static constexpr int ReceiveBufferOverflow = 1008;

    virtual ~SerialControl() = default;

    virtual bool PortOpen() const = 0;
    virtual int setPortOpen(bool open) = 0;
    virtual int setCommPort(int port) = 0;
    // "baud,parity,data bits,stop bits", for example "19200,N,8,1".
    virtual int setSettings(const QString &settings) = 0;
    // Characters one Input read returns at most; 0 reads everything waiting.
    virtual int setInputLen(int length) = 0;
    // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both.
    virtual int setHandshaking(int handshaking) = 0;
    virtual int setInBufferSize(int bytes) = 0;
    // Bytes waiting; writing 0 discards them.
    virtual int InBufferCount() = 0;
    virtual int setInBufferCount(int count) = 0;
    // Returns and removes up to InputLen waiting characters; empty when nothing is waiting.
    virtual QByteArray Input() = 0;
    virtual int Output(const QByteArray &bytes) = 0;
    // Code of the last communication event (ReceiveBufferOverflow), 0 when there was none.
    virtual int CommEvent() = 0;

    // Blocks until a byte is waiting or msecs have passed, without using the processor meanwhile.
    // True when a byte is waiting.
    virtual bool waitForInput(int msecs) = 0;
};

} // namespace valtrane::link
