#include "link/ComPortMap.h"

#include "common/SettingsFile.h"

#include <QCollator>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace valtrane::link {

ComPortMap::ComPortMap(const AppPaths &paths)
    : m_paths(paths)
{
}

void ComPortMap::setDevice(int port, const QString &device)
{
    m_explicit.insert(port, device);
}

QString ComPortMap::device(int port) const
{
    if (m_explicit.contains(port))
        return m_explicit.value(port);
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    const QString fromEnvironment = qEnvironmentVariable(qPrintable(QStringLiteral("VALTRANE_COM%1").arg(port)));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString configured = fromSettings(port);
    if (!configured.isEmpty())
        return configured;
    const QStringList found = defaultDevices();
    return port >= 1 && port <= found.size() ? found.at(port - 1) : QString();
#endif
}

std::optional<int> ComPortMap::portNumber(const QString &name)
{
    static const QRegularExpression com(QStringLiteral("^COM([0-9]{1,3})$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(name.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

QString ComPortMap::fromSettings(int port) const
{
    const auto lines = SettingsFile::readLines(m_paths.resolve(QStringLiteral("info/ComPorts.vkt")));
    if (!lines)
        return QString();
    for (const QString &line : *lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (portNumber(line.left(eq)) == port)
            return line.mid(eq + 1).trimmed();
    }
    return QString();
}

QStringList ComPortMap::defaultDevices()
{
    // USB infrared and serial adapters are what laboratories use today, so they come first.
    static const QStringList patterns{
        QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("cu.usbserial*"),
        QStringLiteral("cu.usbmodem*"), QStringLiteral("ttyS*"),
    };
    QCollator natural;
    natural.setNumericMode(true);
    const QDir dev(QStringLiteral("/dev"));
    QStringList devices;
    for (const QString &pattern : patterns) {
        QStringList names = dev.entryList({pattern}, QDir::System | QDir::Files | QDir::Readable);
        std::sort(names.begin(), names.end(), natural);
        for (const QString &name : names)
            devices.append(dev.filePath(name));
    }
    return devices;
}

} // namespace valtrane::link
