#include "link/ComPortMap.h"

#include "common/SettingsFile.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace valtrane::link {

namespace {

// A device name as its stem and its number, so that ttyUSB2 comes before ttyUSB10 whatever the
// collation of the system's language.
std::pair<QString, qulonglong> numbered(const QString &name)
{
    qsizetype stem = name.size();
    while (stem > 0 && name.at(stem - 1).isDigit())
        --stem;
    return {name.left(stem), name.mid(stem).toULongLong()};
}

} // namespace

ComPortMap::ComPortMap(const AppPaths &paths, const QString &deviceFolder)
    : m_paths(paths)
    , m_deviceFolder(deviceFolder)
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
    const QStringList found = defaultDevices(m_deviceFolder);
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

QStringList ComPortMap::defaultDevices(const QString &folder)
{
    // USB infrared and serial adapters are what laboratories use today, so they come first. A
    // device the user may not open keeps its place: the scan then shows it unavailable and a
    // download says so, where leaving it out would quietly give its COM number to another device.
    static const QStringList patterns{
        QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("cu.usbserial*"),
        QStringLiteral("cu.usbmodem*"), QStringLiteral("ttyS*"),
    };
    const QDir dev(folder);
    QStringList devices;
    for (const QString &pattern : patterns) {
        QStringList names = dev.entryList({pattern}, QDir::System | QDir::Files);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return numbered(a) < numbered(b); });
        for (const QString &name : names)
            devices.append(dev.filePath(name));
    }
    return devices;
}

} // namespace valtrane::link
