#include "link/CaptureArchive.h"

#include <QDir>
#include <QFileInfo>

namespace valtrane::link {

namespace {
constexpr int FlushIntervalMs = 250;
}

CaptureArchive::CaptureArchive(const AppPaths &paths, const QString &modelName, bool continuous, QDateTime started)
    : m_paths(paths)
    , m_baseName(started.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + modelName
                 + (continuous ? QStringLiteral("-continuous") : QString()))
{
}

CaptureArchive::~CaptureArchive()
{
    close();
}

bool CaptureArchive::openFile()
{
    const QString folder = m_paths.capturesFolder();
    if (!QDir().mkpath(folder))
        return false;
    // Two downloads in the same second get a number, never one file for both.
    QString path = folder + QLatin1Char('/') + m_baseName + QStringLiteral(".cap");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + m_baseName + QStringLiteral("-%1.cap").arg(n);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    m_sinceFlush.start();
    return true;
}

void CaptureArchive::write(const QByteArray &bytes)
{
    if (m_failed)
        return;
    if (!m_file.isOpen() && !openFile()) {
        // The download matters more than its copy: without a captures folder it goes on uncaptured.
        m_failed = true;
        return;
    }
    m_file.write(bytes);
    m_written = true;
    if (m_sinceFlush.elapsed() >= FlushIntervalMs) {
        m_file.flush();
        m_sinceFlush.restart();
    }
}

void CaptureArchive::close()
{
    if (m_file.isOpen())
        m_file.close();
}

} // namespace valtrane::link
