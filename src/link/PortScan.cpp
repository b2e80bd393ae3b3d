#include "link/PortScan.h"

namespace valtrane::link {

QStringList PortScan::captions(const QString &scan)
{
    QStringList result;
    for (int i = 0; i < 4; ++i) {
        const QChar c = i < scan.size() ? scan.at(i) : QChar();
        QString state;
        if (selectable(c))
            state = QStringLiteral("AVAILABLE");
        else if (c == QLatin1Char('m'))
            state = QStringLiteral("MODEM");
        else if (c == QLatin1Char('o'))
            state = QStringLiteral("IN USE");
        else
            state = QStringLiteral("UNAVAILABLE");
        result.append(QStringLiteral("COM%1: ").arg(i + 1) + state);
    }
    return result;
}

} // namespace valtrane::link
