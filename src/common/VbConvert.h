#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// Conversions between text and numbers that behave the way the gauges' data has always been read:
// the numeric test, single (32-bit float), long and integer (rounded half to even, out of range is a
// conversion error), and the texts numbers are shown with.
namespace valtrane::vb {

// A number: optional blanks, an optional sign, digits with at most one decimal point (at least one
// digit), an optional exponent (E or D, optional sign, digits), optional blanks; and its value fits
// a double. " 12 ", "12.5", "-3", "1E3" are numbers; "", ".", "1.2.3", "ABC" are not.
bool isNumeric(QStringView text);

std::optional<double> toDouble(QStringView text);
std::optional<float> toSingle(QStringView text);        // via double, then to the nearest float
std::optional<std::int32_t> toLong(QStringView text);   // rounded half to even
std::optional<std::int16_t> toInteger(QStringView text);
std::optional<float> toSingle(double value);
std::optional<std::int32_t> toLong(double value);
std::optional<std::int16_t> toInteger(double value);

// The shortest text that reads back as the same float: 12.3f gives "12.3", 0.5f gives "0.5",
// 3.0f gives "3". Very large or small magnitudes use the form 1.5E+20.
QString singleToText(float value);
// Up to 15 significant digits, trailing zeros dropped: 104.5 gives "104.5", 104.0 gives "104".
QString doubleToText(double value);

// A number printed alone on a line of a text file: a blank (or the minus sign) before it and one
// blank after it, " 1 " or "-2 ".
QString printNumber(double value);

// value rounded to the given number of decimals, ties to the even digit (on the exact binary value).
double roundHalfEven(double value, int decimals);

} // namespace valtrane::vb
