#include "common/VbConvert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace valtrane::vb {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The numeric grammar, copied into a plain ASCII buffer ready for from_chars ("D" exponent as "E",
// leading "+" dropped). Returns false when text is not a number.
bool normalise(QStringView text, std::string &out)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    if (b == e)
        return false;
    out.clear();
    qsizetype i = b;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) {
        if (text[i] == QLatin1Char('-'))
            out.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    for (; i < e; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++mantissaDigits;
            out.push_back(char(c.unicode()));
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            out.push_back('.');
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < e) {
        const QChar c = text[i].toUpper();
        if (c != QLatin1Char('E') && c != QLatin1Char('D'))
            return false;
        out.push_back('e');
        ++i;
        if (i < e && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            out.push_back(char(text[i].unicode()));
            ++i;
        }
        int exponentDigits = 0;
        for (; i < e && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
            ++exponentDigits;
            out.push_back(char(text[i].unicode()));
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == e;
}

} // namespace

std::optional<double> toDouble(QStringView text)
{
    std::string buffer;
    if (!normalise(text, buffer))
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec != std::errc() || result.ptr != buffer.data() + buffer.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(QStringView text)
{
    return toDouble(text).has_value();
}

std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<std::int32_t> toLong(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int16_t> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<float> toSingle(QStringView text)
{
    const auto d = toDouble(text);
    return d ? toSingle(*d) : std::nullopt;
}

std::optional<std::int32_t> toLong(QStringView text)
{
    const auto d = toDouble(text);
    return d ? toLong(*d) : std::nullopt;
}

std::optional<std::int16_t> toInteger(QStringView text)
{
    const auto d = toDouble(text);
    return d ? toInteger(*d) : std::nullopt;
}

namespace {

// digits and decimal exponent of a shortest or fixed-precision scientific text, e.g. "1.25e+02".
QString composeDecimal(const char *begin, const char *end, int fixedLimit)
{
    std::string s(begin, end);
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.erase(0, 1);
    }
    const auto ePos = s.find('e');
    std::string mantissa = s.substr(0, ePos);
    const int exponent = ePos == std::string::npos ? 0 : std::stoi(s.substr(ePos + 1));
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return QStringLiteral("0");
    std::string text;
    if (exponent >= fixedLimit || exponent < -5) {
        text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int a = std::abs(exponent);
        if (a < 10)
            text += "0";
        text += std::to_string(a);
    } else if (exponent >= 0) {
        const size_t intDigits = size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            text = digits + std::string(intDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        text = "0." + std::string(size_t(-exponent - 1), '0') + digits;
    }
    if (negative)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString singleToText(float value)
{
    if (!std::isfinite(value))
        return QString();
    std::array<char, 64> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    return composeDecimal(buffer.data(), r.ptr, 15);
}

QString doubleToText(double value)
{
    if (!std::isfinite(value))
        return QString();
    std::array<char, 64> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    return composeDecimal(buffer.data(), r.ptr, 15);
}

QString printNumber(double value)
{
    const QString text = doubleToText(value);
    return (text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text) + QLatin1Char(' ');
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, 400> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    double rounded = value;
    std::from_chars(buffer.data(), r.ptr, rounded);
    return rounded;
}

} // namespace valtrane::vb
