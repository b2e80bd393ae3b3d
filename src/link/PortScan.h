#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace valtrane::link {

// What the availability scan shows: a caption per COM port ("COM2: IN USE") and whether the
// wizard lets the user pick the port.
class PortScan {
public:
    // The four captions of a scan result, COM1 first.
    static QStringList captions(const QString &scan);
    // Only a port that opened and where nothing answered can take a gauge.
    static bool selectable(QChar result) { return result.isDigit(); }
};

} // namespace valtrane::link
