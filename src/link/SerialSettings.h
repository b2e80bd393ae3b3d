#pragma once

#include <QString>
#include <optional>

namespace valtrane::link {

// A settings string of the serial control ("19200,N,8,1": baud rate, parity letter, data bits,
// stop bits) read into its parts.
struct SerialSettings {
    int baudRate = 9600;
    QChar parity = QLatin1Char('N');  // N, E, O, M or S
    int dataBits = 8;                 // 5 to 8
    QString stopBits = QStringLiteral("1");  // "1", "1.5" or "2"

    // nullopt when the text is not a valid settings string.
    static std::optional<SerialSettings> parse(const QString &text);
};

} // namespace valtrane::link
