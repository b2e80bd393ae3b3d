#include "common/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace valtrane {

namespace {

// The entry of folder whose name equals name ignoring case; name itself when none does.
QString matchEntry(const QDir &folder, const QString &name)
{
    if (!folder.exists())
        return name;
    if (QFileInfo::exists(folder.filePath(name)))
        return name;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

AppPaths::AppPaths(QString programFolder)
    : m_programFolder(QDir::cleanPath(QDir(programFolder).absolutePath()))
{
}

QString AppPaths::chooseProgramFolder(const QStringList &args, const QString &executableFolder)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--home") && i + 1 < args.size())
            return args.at(i + 1);
        if (a.startsWith(QLatin1String("--home=")))
            return a.mid(7);
    }
    const QString fromEnvironment = qEnvironmentVariable("VALTRANE_HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return executableFolder;
}

QString AppPaths::homeOptionError(const QStringList &args)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool noFolder = (a == QLatin1String("--home") && (i + 1 >= args.size() || args.at(i + 1).isEmpty()))
                              || a == QLatin1String("--home=");
        if (noFolder)
            return QStringLiteral("--home needs a folder: --home DIR or --home=DIR");
    }
    return QString();
}

QString AppPaths::resolve(const QString &relativePath) const
{
    QDir folder(m_programFolder);
    const QStringList parts = QDir::fromNativeSeparators(relativePath).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = m_programFolder;
    for (const QString &part : parts) {
        const QString matched = matchEntry(folder, part);
        path += QLatin1Char('/') + matched;
        folder.setPath(path);
    }
    return path;
}

QString AppPaths::infoFolder() const { return resolve(QStringLiteral("info")); }
QString AppPaths::database() const { return resolve(QStringLiteral("info/MIRVAT.vkd")); }
QString AppPaths::lockFile() const { return resolve(QStringLiteral("info/MIRVAT.ldb")); }
QString AppPaths::tableRegistry() const { return resolve(QStringLiteral("info/DBTbles.vkt")); }
QString AppPaths::newDatabase() const { return resolve(QStringLiteral("info/MIRVAT.new.vkd")); }
QString AppPaths::newTableRegistry() const { return resolve(QStringLiteral("info/DBTbles.new.vkt")); }
QString AppPaths::infoFile() const { return resolve(QStringLiteral("info/Info.vkt")); }
QString AppPaths::stiffnessConstants() const { return resolve(QStringLiteral("info/StiffnessCons.vkt")); }
QString AppPaths::imagesFolder() const { return resolve(QStringLiteral("images")); }
QString AppPaths::image(const QString &fileName) const { return resolve(QStringLiteral("images/") + fileName); }
QString AppPaths::graphImage() const { return image(QStringLiteral("GraphImage.bmp")); }
QString AppPaths::helpFile() const { return resolve(QStringLiteral("help/TELVAR.hlp")); }
QString AppPaths::capturesFolder() const { return resolve(QStringLiteral("captures")); }

namespace {
QString layoutLetter(int deviceCode)
{
    switch (deviceCode) {
    case 0: return QStringLiteral("M");
    case 1: return QStringLiteral("C");
    case 2: return QStringLiteral("Z");
    case 3: return QStringLiteral("S");
    default: return QString();
    }
}
} // namespace

QString AppPaths::columnLayout(int deviceCode) const
{
    const QString letter = layoutLetter(deviceCode);
    return letter.isEmpty() ? QString() : resolve(QStringLiteral("info/Layout%1.vkt").arg(letter));
}

QString AppPaths::headerLayout(int deviceCode) const
{
    const QString letter = layoutLetter(deviceCode);
    return letter.isEmpty() ? QString() : resolve(QStringLiteral("info/Layout%1hdr.vkt").arg(letter));
}

bool AppPaths::ensureInfoFolder() const
{
    return QDir().mkpath(infoFolder());
}

} // namespace valtrane
