#pragma once

#include <QByteArray>

namespace valtrane::test {

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

inline QByteArray longReport(int lines)
{
    QByteArray report = "\r\n\r\n";
    for (int n = 1; n <= lines; ++n)
        report += "#Reading " + QByteArray::number(n) + ",\t12.5, 118.2 pcf,A\r\n";
    return report;
}

} // namespace valtrane::test
