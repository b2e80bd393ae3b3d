#include "support/TempHome.h"

namespace valtrane::test {

TempHome::TempHome()
    : m_path(m_dir.path())
    , m_paths(m_dir.path())
{
    QDir(m_path).mkpath(QStringLiteral("info"));
}

void TempHome::writeFile(const QString &relativePath, const QByteArray &bytes) const
{
    const QString full = m_path + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TempHome::readFile(const QString &relativePath) const
{
    QFile f(m_path + QLatin1Char('/') + relativePath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempHome::exists(const QString &relativePath) const
{
    return QFileInfo::exists(m_path + QLatin1Char('/') + relativePath);
}

QString testDataPath(const QString &name)
{
    return QStringLiteral(VALTRANE_TEST_DATA_DIR) + QLatin1Char('/') + name;
}

QString cliPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral(VALTRANE_BIN_DIR) + QStringLiteral("/valtrane-cli.exe");
#else
    return QStringLiteral(VALTRANE_BIN_DIR) + QStringLiteral("/valtrane-cli");
#endif
}

} // namespace valtrane::test
