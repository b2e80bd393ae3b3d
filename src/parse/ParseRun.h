#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"

#include <QSet>
#include <QStringList>
#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace valtrane::parse {

// What the grammars remember between characters. One set serves every model; each grammar uses
// the part it needs, and Initit starts every run from a fresh set.
struct RunState {
    QString token;                  // characters since the last separator
    QString label;                  // NG7700B: the label before ":" or "="
    int fieldIndex = 0;             // position of the next field in the current record or line
    int runState = 0;               // SG2150: field state within a run
    int runCounter = 0;             // SG2150: runs begun
    int emptyCount = 0;             // NG7700B: consecutive empty reads
    bool headerValueMode = false;
    bool equalsValueMode = false;   // NG7700B
    bool skipToggle = false;        // NG7700A
    bool headerLine = false;        // NG7700B
    bool skipLine = false;          // NG7700B: skip this line; NG7700A: the skip region after "DATA:"
    bool tableFound = false;        // NG7700B
    QString serialNumber;
    QString calibrationDate;
    QString readNumber;             // NG7700A
    QString readDate;               // NG7700A
    QString readingTime;            // LD4800
    std::array<QString, 4> channelNames;  // LD4800
    QString projectList;            // nuclear gauges: identifiers, each followed by a blank
    QSet<QString> projects;         // the identifiers of projectList, to look them up
    qsizetype projectsListed = 0;   // NG7700A: the part of projectList already in the table list
    std::array<int, 6> testCounters{};    // LD4800: tests of each kind met in this run

    bool hasProject(const QString &id) const { return projects.contains(id); }
    void addProject(const QString &id)
    {
        projects.insert(id);
        projectList += id;
        projectList += QLatin1Char(' ');
    }
};

// A parse run: the database file it fills, the table receiving rows, the table list and the run
// state. The grammars work through it one step at a time; every step that touches the database
// reports whether it worked, so that a grammar can stop its call at the step that failed.
//
// Rows are added and changed the way the download has always written them: a record must be begun
// (addNew) or taken up (edit) before its fields are set, and it is written by update.
class ParseRun {
public:
    ParseRun(const AppPaths &paths, AppState &appState);
    ~ParseRun();
    ParseRun(const ParseRun &) = delete;
    ParseRun &operator=(const ParseRun &) = delete;

    std::int16_t Initit(const QString &tableList);
    void DeInit();

    // The file a run builds: info/MIRVAT.vkd, or a new file beside it that replaces it only when
    // the caller has all it needs. A run on a new file leaves the live database untouched; its
    // tables go when the new file takes its place.
    void setDatabaseFile(const QString &path) { m_databaseFile = path; }

    // Tables two different nuclear project identifiers would share ("12.4" and "124" both give
    // P124): the second project gets no table, rather than replacing the first one's.
    const QStringList &sharedTables() const { return m_sharedTables; }
    // A row or table of this run did not reach the file (full disk, disk error).
    bool writeFailed() const { return m_writeFailed || m_database.writeFailed(); }

    RunState &state() { return m_state; }
    AppState &appState() { return m_app; }

    const QString &tableList() const { return m_tableList; }
    // Adds name and one blank.
    void appendToTableList(QStringView name);
    // Adds text as it is.
    void extendTableList(QStringView text) { m_tableList += text; }

    // No table name the gauges give comes near this; a longer one only comes from a damaged
    // stream and makes no table.
    static constexpr qsizetype LongestTableName = 64;

    // AddTable of the given kind (name loses its full stops); its result goes to LastStatus. A
    // name that could not be opened again makes no table.
    bool createTable(QString &name, int kind);
    // Makes the named table the one receiving rows.
    bool openTable(const QString &name);
    void closeTable();
    void closeDatabase();
    void commit();

    bool addNew();
    bool edit();
    bool update();
    bool moveFirst();

    bool setValue(QStringView field, const QVariant &value);
    bool setText(QStringView field, const QString &text) { return setValue(field, QVariant(text)); }
    bool setSingle(QStringView field, QStringView number);
    bool setLong(QStringView field, QStringView number);
    // The field of the record being written, else of the current record.
    std::optional<QVariant> value(QStringView field);

private:
    static bool canOpen(const QString &table);

    const AppPaths &m_paths;
    AppState &m_app;
    std::unique_ptr<db::CreateDatabase> m_creator;
    db::Database m_database;
    std::unique_ptr<db::Recordset> m_records;
    bool m_recordOpen = false;  // a record was begun or taken up and not yet written
    RunState m_state;
    QString m_tableList;
    QString m_databaseFile;
    QSet<QString> m_projectTables;
    QStringList m_sharedTables;
    bool m_writeFailed = false;
};

} // namespace valtrane::parse
