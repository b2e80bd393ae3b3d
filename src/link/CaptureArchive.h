#pragma once

#include "common/AppPaths.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

namespace valtrane::link {

// Keeps the bytes of a live download exactly as they came from the gauge, in captures/ below the
// program folder, one file per download named by date, time and model
// ("20250131-140509-NG7700B.cap"; a continuous logger download ends in "-continuous"). A download
// that was overwritten by mistake can be run again from its capture.
//
// The file is made when the first byte arrives, so a download that received nothing leaves none,
// and it is flushed at least every quarter second, so a crash loses almost nothing.
class CaptureArchive {
public:
    CaptureArchive(const AppPaths &paths, const QString &modelName, bool continuous,
                   QDateTime started = QDateTime::currentDateTime());
    ~CaptureArchive();
    CaptureArchive(const CaptureArchive &) = delete;
    CaptureArchive &operator=(const CaptureArchive &) = delete;

    void write(const QByteArray &bytes);
    void close();

    // The file's path once the first byte was written, else empty.
    QString path() const { return m_written ? m_file.fileName() : QString(); }

private:
    bool openFile();

    const AppPaths &m_paths;
    QString m_baseName;
    QFile m_file;
    QElapsedTimer m_sinceFlush;
    bool m_written = false;
    bool m_failed = false;
};

} // namespace valtrane::link
