#include "db/DatabaseHold.h"

#include "db/DatabaseLock.h"
#include "db/DatabaseReplacement.h"

#include <QFileInfo>

namespace valtrane::db {

DatabaseHold::DatabaseHold(const AppPaths &paths)
    : m_lockPath(paths.lockFile())
{
    if (!QFileInfo(paths.infoFolder()).isDir()) {
        m_held = true;
        return;
    }
    const DatabaseLock::Attempt attempt = DatabaseLock::tryAcquire(m_lockPath);
    m_locked = attempt == DatabaseLock::Attempt::Acquired;
    m_held = attempt != DatabaseLock::Attempt::InUse;
    if (m_locked)
        DatabaseReplacement::recover(paths);
}

DatabaseHold::~DatabaseHold()
{
    if (m_locked)
        DatabaseLock::releaseHold(m_lockPath);
}

} // namespace valtrane::db
