#pragma once

#include <QString>
#include <cstdint>

namespace valtrane::parse {
class Parse;
}

namespace valtrane::exporting {

// Reads a saved project text file back into a new database: its first line holds the gauge model
// code, the rest is the gauge's stream, fed character by character to that model's parser.
class GetTables {
public:
    // The model code of a file that is no saved project.
    static constexpr std::int16_t NotASavedFile = 99;

    explicit GetTables(parse::Parse &parse);

    // The model code on the first line of a saved project file (0 LD4800, 1 NG7700A, 2 NG7700B,
    // 3 SG2150), or NotASavedFile: a first line of 6 or more characters, one that is no number or
    // a number without a parser, an empty or unreadable file.
    static std::int16_t modelCodeOf(const QString &fileName);

    // Starts a parse run with previousTableList (its tables are deleted and the database file is
    // made anew), feeds the file to the model's parser and returns the parser's table list. The
    // parse run is left open for the caller to end. A file that is no saved project changes
    // nothing and gives an empty list.
    QString Get_tables(const QString &fileName, const QString &previousTableList);

    std::int16_t modelCode() const { return m_modelCode; }
    // Lines no saved project holds: longer than any line the program writes, or holding bytes it
    // never writes (control characters other than the line ends and tab, bytes above 127 other
    // than the end byte).
    qint64 unreadableLines() const { return m_unreadableLines; }
    // The file stops inside a line: it was cut short, and its last reading may be missing.
    bool endMissing() const { return m_endMissing; }
    bool savedFile() const { return m_savedFile; }
    // What Initit returned: 0, or 909/910 when the database file could not be made.
    std::int16_t initStatus() const { return m_initStatus; }

private:
    void feed(const QByteArray &chunk, int (parse::Parse::*parser)(int), bool stopsAtEnd, bool &stopped);

    parse::Parse &m_parse;
    // Where the line being read stands: its length, whether it holds a byte no project holds, and
    // whether the byte before was a carriage return.
    qint64 m_lineLength = 0;
    bool m_lineUnreadable = false;
    bool m_afterCarriageReturn = false;
    std::int16_t m_modelCode = NotASavedFile;
    bool m_savedFile = false;
    qint64 m_unreadableLines = 0;
    bool m_endMissing = false;
    std::int16_t m_initStatus = 0;
};

} // namespace valtrane::exporting
