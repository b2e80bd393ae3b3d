#include "link/PseudoTerminal.h"

#include <QElapsedTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace valtrane::link {

#ifdef Q_OS_UNIX

namespace {

constexpr int PollStepMs = 20;

short pollMaster(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return 0;
    return p.revents;
}

bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return;
    const char *name = (::grantpt(master) == 0 && ::unlockpt(master) == 0) ? ::ptsname(master) : nullptr;
    // Opening and closing the slave once sets it raw and lets the master see when it is in use.
    const int slave = name ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0 || !makeRaw(slave) || !makeRaw(master)) {
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        return;
    }
    ::close(slave);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slavePath = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::slaveInUse() const
{
    return isOpen() && !(pollMaster(m_master, POLLOUT, 0) & POLLHUP);
}

bool PseudoTerminal::waitForSlave(bool inUse, int timeoutMs, const std::atomic<bool> *cancel) const
{
    QElapsedTimer waited;
    waited.start();
    while (isOpen()) {
        if (slaveInUse() == inUse)
            return true;
        if ((cancel && cancel->load()) || (timeoutMs >= 0 && waited.elapsed() >= timeoutMs))
            return false;
        QThread::msleep(PollStepMs);
    }
    return false;
}

qint64 PseudoTerminal::write(const char *data, qint64 size, int timeoutMs)
{
    if (!isOpen())
        return -1;
    QElapsedTimer waited;
    waited.start();
    qint64 written = 0;
    while (written < size) {
        const short revents = pollMaster(m_master, POLLOUT, PollStepMs);
        if (revents & (POLLHUP | POLLERR))
            return written > 0 ? written : -1;
        if (revents & POLLOUT) {
            const ssize_t n = ::write(m_master, data + written, size_t(size - written));
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return written > 0 ? written : -1;
            if (n > 0)
                written += n;
        }
        if (waited.elapsed() >= timeoutMs)
            break;
    }
    return written;
}

QByteArray PseudoTerminal::read(int timeoutMs)
{
    QByteArray out;
    QElapsedTimer waited;
    waited.start();
    char buffer[4096];
    while (isOpen()) {
        const short revents = pollMaster(m_master, POLLIN, PollStepMs);
        for (ssize_t n = 1; (revents & POLLIN) && n > 0;) {
            n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                out.append(buffer, n);
        }
        if (!out.isEmpty() || waited.elapsed() >= timeoutMs)
            break;
        // While no program has the line open the master reports a hang-up at once.
        if (revents & POLLHUP)
            QThread::msleep(PollStepMs);
    }
    return out;
}

#else

PseudoTerminal::PseudoTerminal() = default;
PseudoTerminal::~PseudoTerminal() = default;
bool PseudoTerminal::slaveInUse() const { return false; }
bool PseudoTerminal::waitForSlave(bool, int, const std::atomic<bool> *) const { return false; }
qint64 PseudoTerminal::write(const char *, qint64, int) { return -1; }
QByteArray PseudoTerminal::read(int) { return QByteArray(); }

#endif

} // namespace valtrane::link
