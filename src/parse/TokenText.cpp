#include "parse/TokenText.h"

#include "common/VbConvert.h"

namespace valtrane::parse {

namespace {

bool isWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

// The text of a number: the token without the white space around it, if it is short enough to be one.
std::optional<QStringView> numberText(QStringView token)
{
    qsizetype b = 0;
    qsizetype e = token.size();
    while (b < e && isWhiteSpace(token[b]))
        ++b;
    while (e > b && isWhiteSpace(token[e - 1]))
        --e;
    if (e - b > LongestNumber)
        return std::nullopt;
    return token.sliced(b, e - b);
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
    const auto text = numberText(token);
    return text && vb::isNumeric(*text);
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

std::optional<std::int16_t> integerOf(QStringView token)
{
    const auto text = numberText(token);
    return text ? vb::toInteger(*text) : std::nullopt;
}

} // namespace valtrane::parse
