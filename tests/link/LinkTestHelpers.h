#pragma once

#include "link/Communication.h"

#include <QByteArray>
#include <memory>

namespace valtrane::test {

// What of a stream reaches the parser: carriage returns and the characters 32 to 90.
inline QByteArray filtered(const QByteArray &stream)
{
    QByteArray out;
    for (char c : stream) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r' || (b >= 32 && b <= 90))
            out.append(c);
    }
    return out;
}

// A report of many lines, with what a gauge puts between them: line feeds, lower case, tabs.
inline QByteArray longReport(int lines)
{
    QByteArray report = "\r\n\r\n";
    for (int n = 1; n <= lines; ++n)
        report += "#Reading " + QByteArray::number(n) + ",\t12.5, 118.2 pcf,A\r\n";
    return report;
}

// A clock on which every look takes step milliseconds: a thirty-second wait is over at once.
inline link::Communication::Clock fastClock(qint64 step)
{
    auto now = std::make_shared<qint64>(0);
    return [now, step] { return *now += step; };
}

} // namespace valtrane::test
