#pragma once

#include "db/Database.h"
#include "link/StreamParser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace valtrane::test {

// "#" creates a table (T1, T2, ...), "END" completes the stream (89), "!" is a stiffness parser error
// (9876); Initit makes the database file it was given. Records everything the read loop asks of it.
class ScriptedParser : public link::StreamParser {
public:
    std::int16_t Initit(const QString &tableList) override
    {
        inititLists.append(tableList);
        m_tables.clear();
        m_count = 0;
        m_recent.clear();
        if (!m_databaseFile.isEmpty()) {
            db::Database::removeFile(m_databaseFile);
            db::Database::createFile(m_databaseFile);
        }
        return 0;
    }
    void DeInit() override { ++deInits; }
    QString retrn_message() const override { return m_tables; }
    int parse(std::int32_t downloadCode, int ch) override
    {
        codes.append(QString::number(downloadCode));
        received.append(char(ch));
        if (onParse)
            onParse(ch);
        if (ch == '#')
            m_tables += QStringLiteral("T%1 ").arg(++m_count);
        if (ch == '!')
            return 9876;
        m_recent = (m_recent + char(ch)).right(3);
        return m_recent == "END" ? 89 : 0;
    }
    void commit() override { ++commits; }
    void setDatabaseFile(const QString &path) override { m_databaseFile = path; }

    QStringList inititLists;
    QStringList codes;
    QByteArray received;
    int deInits = 0;
    int commits = 0;
    std::function<void(int)> onParse;

private:
    QString m_tables;
    int m_count = 0;
    QByteArray m_recent;
    QString m_databaseFile;
};

} // namespace valtrane::test
