#include "db/SqlText.h"

#include "common/VbConvert.h"

namespace valtrane::db {

namespace {

class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }
    // A keyword followed by a blank or the end.
    bool keyword(QLatin1StringView word)
    {
        skipBlanks();
        if (QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_pos + word.size();
        if (after < m_text.size() && !m_text.at(after).isSpace())
            return false;
        m_pos = after;
        return true;
    }
    bool symbol(QChar c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // The table name: everything up to " WHERE " or the end, trimmed.
    QString tableName()
    {
        skipBlanks();
        const QString rest = m_text.mid(m_pos);
        qsizetype cut = -1;
        for (qsizetype i = 0; i + 5 <= rest.size(); ++i) {
            if (i > 0 && rest.at(i - 1).isSpace() && QStringView(rest).mid(i, 5).compare(QLatin1String("WHERE"), Qt::CaseInsensitive) == 0
                && (i + 5 == rest.size() || rest.at(i + 5).isSpace())) {
                cut = i;
                break;
            }
        }
        const QString name = (cut < 0 ? rest : rest.left(cut)).trimmed();
        m_pos += cut < 0 ? rest.size() : cut;
        return name;
    }
    QString identifier()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    QString comparison()
    {
        skipBlanks();
        for (const char *op : {"<>", "<=", ">=", "=", "<", ">"}) {
            const QLatin1StringView v(op);
            if (QStringView(m_text).mid(m_pos, v.size()) == v) {
                m_pos += v.size();
                return QString(v);
            }
        }
        return {};
    }
    std::optional<QVariant> literal()
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\'')) {
            QString value;
            ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text.at(m_pos++);
                if (c == QLatin1Char('\'')) {
                    if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\'')) {
                        value.append(c);
                        ++m_pos;
                        continue;
                    }
                    return QVariant(value);
                }
                value.append(c);
            }
            return std::nullopt;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !m_text.at(m_pos).isSpace())
            ++m_pos;
        const auto number = vb::toDouble(QStringView(m_text).mid(start, m_pos - start));
        if (!number)
            return std::nullopt;
        return QVariant(*number);
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<TableQuery> TableQuery::parse(const QString &sqlText)
{
    Reader r(sqlText);
    if (!r.keyword(QLatin1String("SELECT")) || !r.symbol(QLatin1Char('*')) || !r.keyword(QLatin1String("FROM")))
        return std::nullopt;
    TableQuery query;
    query.table = r.tableName();
    if (query.table.isEmpty())
        return std::nullopt;
    if (r.atEnd())
        return query;
    if (!r.keyword(QLatin1String("WHERE")))
        return std::nullopt;
    do {
        Condition c;
        c.field = r.identifier();
        c.op = r.comparison();
        const auto value = r.literal();
        if (c.field.isEmpty() || c.op.isEmpty() || !value)
            return std::nullopt;
        c.value = *value;
        query.conditions.push_back(c);
    } while (r.keyword(QLatin1String("AND")));
    if (!r.atEnd())
        return std::nullopt;
    return query;
}

} // namespace valtrane::db
