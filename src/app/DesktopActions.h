#pragma once

#include <QString>
#include <QUrl>

namespace valtrane::app {

// What the program asks of the desktop: open a web address or a file with its usual program, start
// another program. Tests record the requests instead.
class DesktopActions {
public:
    virtual ~DesktopActions() = default;
    virtual bool openUrl(const QUrl &url) = 0;
    virtual bool startProgram(const QString &path) = 0;
};

// The real desktop.
class SystemDesktopActions : public DesktopActions {
public:
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &path) override;
};

} // namespace valtrane::app
