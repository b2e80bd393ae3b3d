#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace valtrane::parse {

// A character of a gauge stream as the parse calls take it: a byte 0 to 255, or NoChar for an
// empty read (nothing was waiting on the line).
constexpr int NoChar = -1;

class ParseRun;
class Ld4800Parser;
class Ng7700aParser;
class Ng7700bParser;
class Sg2150Parser;

// Turns the character stream of one gauge into tables of the download database. Initit starts a
// parse run (new database file), one parse call per character files projects, tests and runs, the
// caller reads retrn_message when the stream is over, and DeInit ends the run.
//
// Parse calls return 89 when the model's end marker completed the stream, 9876 when the stiffness
// parser met an error, and 0 otherwise.
class Parse {
public:
    Parse(const AppPaths &paths, AppState &state);
    ~Parse();
    Parse(const Parse &) = delete;
    Parse &operator=(const Parse &) = delete;

    // Deletes the tables of tableList, creates info/MIRVAT.vkd anew and opens it: 0, or 909/910
    // (also stored in LastStatus) when the file could not be created.
    std::int16_t Initit(const QString &tableList);
    // Ends the run: closes the record set and the database. Safe to call when nothing is open.
    void DeInit();

    // The file the next runs build instead of info/MIRVAT.vkd (see ParseRun).
    void setDatabaseFile(const QString &path);
    // Tables that two project identifiers of this run would share; the second got none.
    QStringList sharedTables() const;
    // A row or table of the last run did not reach the file: the disk failed or was full.
    bool writeFailed() const;

    // The tables created in this run, each followed by one blank (nuclear gauges: project ids).
    QString retrn_message() const;

    int Parse_LD4800(int ch);
    int Parse_NG7700A(int ch);
    int Parse_NG7700B(int ch);
    int Parse_SG2150(int ch);

    // Commits the rows written so far; the read loop calls it while the line is quiet.
    void commit();

private:
    std::unique_ptr<ParseRun> m_run;
    std::unique_ptr<Ld4800Parser> m_ld4800;
    std::unique_ptr<Ng7700aParser> m_ng7700a;
    std::unique_ptr<Ng7700bParser> m_ng7700b;
    std::unique_ptr<Sg2150Parser> m_sg2150;
};

} // namespace valtrane::parse
