#pragma once

#include <QString>

namespace valtrane {

// Moving finished files into place so that a crash or power loss finds the old file or the new
// one, whole: the new file's bytes reach the disk before the rename, and the rename reaches the
// disk before the caller goes on.
class FileSync {
public:
    // Writes the file's bytes through to the disk. False when it cannot be opened or synced.
    static bool syncFile(const QString &path);
    // Writes the folder's entries (renames, removals) through to the disk.
    static bool syncFolder(const QString &path);
    // Renames from over to in one step (replacing to when it exists) and syncs the folder.
    static bool replace(const QString &from, const QString &to);
};

} // namespace valtrane
