#include "link/QtSerialControl.h"

#include "link/ComPortMap.h"
#include "link/SerialSettings.h"

#include <QFileInfo>
#include <QThread>

#if defined(Q_OS_LINUX)
#include <linux/serial.h>
#include <sys/ioctl.h>
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#include <winioctl.h>
#endif

namespace valtrane::link {

namespace {

constexpr int EventCheckIntervalMs = 50;

#ifdef Q_OS_WIN
// The serial driver's running counts: IOCTL_SERIAL_GET_STATS and SERIALPERF_STATS of ntddser.h,
// a header not every Windows tool chain can include outside a driver.
#ifndef IOCTL_SERIAL_GET_STATS
#define IOCTL_SERIAL_GET_STATS CTL_CODE(FILE_DEVICE_SERIAL_PORT, 35, METHOD_BUFFERED, FILE_ANY_ACCESS)
#endif
struct SerialPerfStats {
    ULONG receivedCount;
    ULONG transmittedCount;
    ULONG frameErrorCount;
    ULONG serialOverrunErrorCount;
    ULONG bufferOverrunErrorCount;
    ULONG parityErrorCount;
};
#endif

QSerialPort::Parity parityOf(QChar letter)
{
    switch (letter.toLatin1()) {
    case 'E': return QSerialPort::EvenParity;
    case 'O': return QSerialPort::OddParity;
    case 'M': return QSerialPort::MarkParity;
    case 'S': return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(const QString &text)
{
    if (text == QLatin1String("2"))
        return QSerialPort::TwoStop;
    if (text == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl flowControlOf(int handshaking)
{
    switch (handshaking) {
    case 1: return QSerialPort::SoftwareControl;
    case 2:
    case 3: return QSerialPort::HardwareControl;
    default: return QSerialPort::NoFlowControl;
    }
}

// Whether this user may open the device at all.
bool mayUse(const QString &device)
{
#ifdef Q_OS_WIN
    // Windows refuses a COM port to everyone while one program holds it.
    Q_UNUSED(device);
    return true;
#else
    const QFileInfo info(device);
    return info.isReadable() && info.isWritable();
#endif
}

} // namespace

int QtSerialControl::openError(QSerialPort::SerialPortError error, bool mayUseDevice)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return InvalidPortNumber;
    case QSerialPort::PermissionError:
        // Refused although we may use it: another program holds it (its lock, or exclusive use).
        return mayUseDevice ? PortAlreadyOpen : HardwareNotAvailable;
    default:
        return HardwareNotAvailable;
    }
}

QtSerialControl::QtSerialControl(const ComPortMap &ports)
    : m_ports(ports)
{
}

QString QtSerialControl::device() const
{
    return m_ports.device(m_commPort);
}

bool QtSerialControl::PortOpen() const
{
    return m_port.isOpen();
}

int QtSerialControl::setPortOpen(bool open)
{
    if (!open) {
        if (m_port.isOpen())
            m_port.close();
        return NoError;
    }
    if (m_port.isOpen())
        return PortAlreadyOpen;
    return this->open();
}

int QtSerialControl::open()
{
    const QString path = device();
    if (path.isEmpty())
        return InvalidPortNumber;
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const int error = openError(m_port.error(), mayUse(path));
        m_port.clearError();
        return error;
    }
    if (applySettings() != NoError) {
        m_port.close();
        return InvalidPropertyValue;
    }
    m_commEvent = 0;
    m_lostAtOpen = lostInputCount();
    m_sinceEventCheck.start();
    return NoError;
}

int QtSerialControl::applySettings()
{
    const auto s = SerialSettings::parse(m_settings);
    if (!s)
        return InvalidPropertyValue;
    const bool ok = m_port.setBaudRate(s->baudRate) && m_port.setParity(parityOf(s->parity))
                    && m_port.setDataBits(QSerialPort::DataBits(s->dataBits)) && m_port.setStopBits(stopBitsOf(s->stopBits))
                    && m_port.setFlowControl(flowControlOf(m_handshaking));
    return ok ? NoError : InvalidPropertyValue;
}

int QtSerialControl::setCommPort(int port)
{
    if (m_port.isOpen())
        return PortAlreadyOpen;
    if (port < 1 || port > 255)
        return InvalidPortNumber;
    m_commPort = port;
    return NoError;
}

int QtSerialControl::setSettings(const QString &settings)
{
    if (!SerialSettings::parse(settings))
        return InvalidPropertyValue;
    m_settings = settings;
    return m_port.isOpen() ? applySettings() : NoError;
}

int QtSerialControl::setInputLen(int length)
{
    if (length < 0)
        return InvalidPropertyValue;
    m_inputLen = length;
    return NoError;
}

int QtSerialControl::setHandshaking(int handshaking)
{
    if (handshaking < 0 || handshaking > 3)
        return InvalidPropertyValue;
    m_handshaking = handshaking;
    if (m_port.isOpen() && !m_port.setFlowControl(flowControlOf(handshaking)))
        return InvalidPropertyValue;
    return NoError;
}

int QtSerialControl::setInBufferSize(int bytes)
{
    if (bytes <= 0)
        return InvalidPropertyValue;
    // The port's own buffer grows as needed, so it is never smaller than asked. Capping it would
    // make every read from the driver one byte long once it is full, which costs far more than the
    // bytes are worth; lost input is what the driver reports as overruns.
    return NoError;
}

void QtSerialControl::pullWaiting()
{
    // Without an event loop running, bytes reach the port's buffer only when asked for.
    if (m_port.bytesAvailable() == 0)
        m_port.waitForReadyRead(0);
}

int QtSerialControl::InBufferCount()
{
    if (!m_port.isOpen())
        return 0;
    pullWaiting();
    return int(m_port.bytesAvailable());
}

int QtSerialControl::setInBufferCount(int count)
{
    if (!m_port.isOpen())
        return PortNotOpen;
    if (count != 0)
        return InvalidPropertyValue;
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
    return NoError;
}

QByteArray QtSerialControl::Input()
{
    if (!m_port.isOpen())
        return QByteArray();
    pullWaiting();
    return m_inputLen == 0 ? m_port.readAll() : m_port.read(m_inputLen);
}

int QtSerialControl::Output(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return PortNotOpen;
    m_port.write(bytes);
    m_port.flush();
    return NoError;
}

int QtSerialControl::CommEvent()
{
    if (m_port.isOpen() && m_commEvent == 0 && m_sinceEventCheck.elapsed() >= EventCheckIntervalMs) {
        m_sinceEventCheck.restart();
        if (lostInputCount() > m_lostAtOpen)
            m_commEvent = ReceiveBufferOverflow;
    }
    return m_commEvent;
}

bool QtSerialControl::waitForInput(int msecs)
{
    QElapsedTimer waited;
    waited.start();
    if (m_port.isOpen()) {
        if (m_port.bytesAvailable() > 0 || m_port.waitForReadyRead(msecs))
            return true;
    }
    // A closed or hung-up port answers at once; sleep the rest so a dead line costs no processor.
    const qint64 rest = msecs - waited.elapsed();
    if (rest > 0)
        QThread::msleep(static_cast<unsigned long>(rest));
    return m_port.isOpen() && m_port.bytesAvailable() > 0;
}

long QtSerialControl::lostInputCount() const
{
#if defined(Q_OS_LINUX)
    serial_icounter_struct counts{};
    if (m_port.isOpen() && ::ioctl(int(m_port.handle()), TIOCGICOUNT, &counts) == 0)
        return long(counts.overrun) + long(counts.buf_overrun);
#elif defined(Q_OS_WIN)
    // The driver's running counts, not the port's error flags: Qt reads those flags itself
    // (ClearCommError after every read) and clears them unreported, so they would rarely show an
    // overflow here. The counts go back to zero only on a request Qt never makes, and the driver
    // answers at once, as it does Qt's own query of the modem lines on the same handle.
    SerialPerfStats stats{};
    DWORD returned = 0;
    if (m_port.isOpen()
        && ::DeviceIoControl(m_port.handle(), IOCTL_SERIAL_GET_STATS, nullptr, 0, &stats, sizeof stats, &returned, nullptr))
        return long(stats.serialOverrunErrorCount) + long(stats.bufferOverrunErrorCount);
#endif
    // Other systems, and drivers that keep no counts, tell of no lost input: no overflow is reported.
    return 0;
}

} // namespace valtrane::link
