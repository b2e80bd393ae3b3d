#include "export/ReportLines.h"

#include <QIODevice>

namespace valtrane::exporting {

void ReportLines::line(const QString &text)
{
    QByteArray bytes = text.toLatin1();
    bytes.append("\r\n", 2);
    m_device.write(bytes);
}

} // namespace valtrane::exporting
