#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// How the gauge parsers read their tokens. A token is trimmed of blanks only (a carriage return
// stays part of it), while a number may carry the carriage return or other white space that ended
// its line: "92.5\r" is the number 92.5.
namespace valtrane::parse {

// No gauge prints a number this long. A damaged stream can leave a token growing for many lines,
// and refusing it at once keeps every retry cheap.
constexpr qsizetype LongestNumber = 40;

// text without leading and trailing blanks (character 32).
QStringView trimBlanks(QStringView text);
void trimBlanksInPlace(QString &text);

bool isNumber(QStringView token);
std::optional<double> numberOf(QStringView token);
std::optional<float> singleOf(QStringView token);
std::optional<std::int32_t> longOf(QStringView token);

} // namespace valtrane::parse
