#include "app/DesktopActions.h"

#include <QDesktopServices>
#include <QProcess>

namespace valtrane::app {

bool SystemDesktopActions::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool SystemDesktopActions::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}

} // namespace valtrane::app
