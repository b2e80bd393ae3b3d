#include "common/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace valtrane {

QString formatNumber(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return QString();
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView integerPart = point < 0 ? pattern : pattern.left(point);
    const QStringView decimalPart = point < 0 ? QStringView() : pattern.mid(point + 1);

    int minIntegerDigits = 0;
    for (QChar c : integerPart)
        if (c == QLatin1Char('0'))
            ++minIntegerDigits;
    int decimals = 0;
    int requiredDecimals = 0;
    for (QChar c : decimalPart) {
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            ++decimals;
            if (c == QLatin1Char('0'))
                requiredDecimals = decimals;
        }
    }

    std::array<char, 400> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                 std::chars_format::fixed, decimals);
    QString digits = QString::fromLatin1(buffer.data(), r.ptr - buffer.data());

    QString whole = digits;
    QString fraction;
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        whole = digits.left(dot);
        fraction = digits.mid(dot + 1);
    }
    while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    // "#" positions drop insignificant zeros, "0" positions keep at least that many digits.
    while (whole.size() > minIntegerDigits && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (whole.size() < minIntegerDigits)
        whole.prepend(QLatin1Char('0'));

    bool isZero = true;
    for (QChar c : whole + fraction)
        if (c != QLatin1Char('0'))
            isZero = false;

    QString text = whole;
    if (point >= 0)
        text += QLatin1Char('.') + fraction;
    if (value < 0 && !isZero)
        text.prepend(QLatin1Char('-'));
    return text;
}

} // namespace valtrane
