#pragma once

#include "common/AppPaths.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace valtrane::link {

// Which device a COM port number stands for. On Windows COMn is the port COMn. Elsewhere the
// environment variable VALTRANE_COMn wins, then a line "COMn = DEVICE" of info/ComPorts.vkt, then
// the n-th serial device found (USB adapters first, then built-in ports). A device set here
// explicitly (the CLI's --port PATH) wins over all of these.
class ComPortMap {
public:
    // deviceFolder is where the serial devices are scanned for; tests give their own.
    explicit ComPortMap(const AppPaths &paths, const QString &deviceFolder = QStringLiteral("/dev"));

    void setDevice(int port, const QString &device);
    // Empty when there is no device for the port.
    QString device(int port) const;

    // 3 for "COM3" (any case); nullopt for anything else.
    static std::optional<int> portNumber(const QString &name);

    // The serial devices in folder in the order COM1, COM2, ... take them.
    static QStringList defaultDevices(const QString &folder = QStringLiteral("/dev"));

private:
    QString fromSettings(int port) const;

    const AppPaths &m_paths;
    QString m_deviceFolder;
    QMap<int, QString> m_explicit;
};

} // namespace valtrane::link
