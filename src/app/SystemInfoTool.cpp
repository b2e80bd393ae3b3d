#include "app/SystemInfoTool.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace valtrane::app {

namespace {

#ifdef Q_OS_WIN
QString registryValue(const QString &key, const QString &name)
{
    const QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    return settings.value(name).toString();
}
#endif

} // namespace

QString SystemInfoTool::path()
{
#ifdef Q_OS_WIN
    const QString direct = registryValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"));
    if (!direct.isEmpty())
        return direct;
    const QString folder = registryValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
    if (folder.isEmpty())
        return QString();
    const QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
    return QFileInfo::exists(tool) ? tool : QString();
#else
    for (const char *name : {"hardinfo2", "hardinfo", "gnome-system-monitor", "ksysguard", "plasma-systemmonitor"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return QString();
#endif
}

} // namespace valtrane::app
