#include "export/FixedLine.h"

namespace valtrane::exporting {

FixedLine &FixedLine::at(int column, const QString &text)
{
    const qsizetype start = column - 1;
    if (m_text.size() < start) {
        m_text.append(QString(start - m_text.size(), QLatin1Char(' ')));
    } else if (m_separator == Separator::Blank && !m_text.isEmpty() && !text.isEmpty()
               && m_text.back() != QLatin1Char(' ') && text.front() != QLatin1Char(' ')) {
        m_text.append(QLatin1Char(' '));
    }
    m_text.append(text);
    return *this;
}

FixedLine &FixedLine::append(const QString &text)
{
    m_text.append(text);
    return *this;
}

} // namespace valtrane::exporting
