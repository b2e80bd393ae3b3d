#pragma once

#include <QString>

namespace valtrane::exporting {

// One line of a printed-report layout: a value placed at column c (counted from 1) starts at
// character c, and the gap before it is filled with blanks.
//
// A value is never cut. When the line already reaches a column, the value follows straight on, so
// later columns move right by the overflow. In layouts where only blanks separate the fields, one
// blank is kept between two values that would otherwise touch, so the gauge parser still reads
// them as two fields.
class FixedLine {
public:
    enum class Separator { Comma, Blank };

    explicit FixedLine(Separator separator = Separator::Comma) : m_separator(separator) {}

    FixedLine &at(int column, const QString &text);
    FixedLine &append(const QString &text);

    const QString &text() const { return m_text; }

private:
    Separator m_separator;
    QString m_text;
};

} // namespace valtrane::exporting
