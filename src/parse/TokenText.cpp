#include "parse/TokenText.h"

#include "common/VbConvert.h"

namespace valtrane::parse {

namespace {

bool isWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

QStringView trimWhiteSpace(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isWhiteSpace(text[b]))
        ++b;
    while (e > b && isWhiteSpace(text[e - 1]))
        --e;
    return text.sliced(b, e - b);
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
    return vb::isNumeric(trimWhiteSpace(token));
}

std::optional<float> singleOf(QStringView token)
{
    return vb::toSingle(trimWhiteSpace(token));
}

std::optional<std::int32_t> longOf(QStringView token)
{
    return vb::toLong(trimWhiteSpace(token));
}

std::optional<std::int16_t> integerOf(QStringView token)
{
    return vb::toInteger(trimWhiteSpace(token));
}

} // namespace valtrane::parse
