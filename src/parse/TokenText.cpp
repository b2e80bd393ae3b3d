#include "parse/TokenText.h"

#include "common/VbConvert.h"

namespace valtrane::parse {

namespace {

// The text of a number: the token without the white space around it (a carriage return
// included), if it is short enough to be one.
std::optional<QStringView> numberText(QStringView token)
{
    const QStringView text = token.trimmed();
    if (text.size() > LongestNumber)
        return std::nullopt;
    return text;
}

} // namespace

QStringView trimBlanks(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.sliced(b, e - b);
}

void trimBlanksInPlace(QString &text)
{
    const QStringView kept = trimBlanks(text);
    const qsizetype lead = kept.data() - text.constData();
    const qsizetype size = kept.size();
    if (lead > 0)
        text.remove(0, lead);
    text.truncate(size);
}

bool isNumber(QStringView token)
{
    return numberOf(token).has_value();
}

std::optional<double> numberOf(QStringView token)
{
    const auto text = numberText(token);
    return text ? vb::toDouble(*text) : std::nullopt;
}

std::optional<float> singleOf(QStringView token)
{
    const auto text = numberText(token);
    return text ? vb::toSingle(*text) : std::nullopt;
}

std::optional<std::int32_t> longOf(QStringView token)
{
    const auto text = numberText(token);
    return text ? vb::toLong(*text) : std::nullopt;
}

} // namespace valtrane::parse
