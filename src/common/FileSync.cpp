#include "common/FileSync.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace valtrane {

namespace {

bool syncPath(const QString &path, bool folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    // Elsewhere the file system commits a rename on its own; a file is flushed when it is closed.
    Q_UNUSED(folder);
    return QFileInfo::exists(path);
#endif
}

} // namespace

bool FileSync::syncFile(const QString &path)
{
    return syncPath(path, false);
}

bool FileSync::syncFolder(const QString &path)
{
    return syncPath(path, true);
}

bool FileSync::replace(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    if (error)
        return false;
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

} // namespace valtrane
