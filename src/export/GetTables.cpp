#include "export/GetTables.h"

#include "common/AppState.h"
#include "common/StatusCode.h"
#include "common/VbConvert.h"
#include "parse/Parse.h"

#include <QFile>

namespace valtrane::exporting {

namespace {

constexpr qsizetype ShortestNonCodeLine = 6;
constexpr qint64 ChunkSize = 64 * 1024;

// The first line, up to a carriage return or line feed; the file is left after its line end (CR LF
// counts as one). Reading stops once the line is too long to be a model code. False for an empty
// file.
bool readFirstLine(QFile &file, QByteArray &line)
{
    char c = 0;
    bool any = false;
    while (file.getChar(&c)) {
        any = true;
        if (c == '\r') {
            char next = 0;
            if (file.getChar(&next) && next != '\n')
                file.ungetChar(next);
            return true;
        }
        if (c == '\n')
            return true;
        line.append(c);
        if (line.size() >= ShortestNonCodeLine)
            return true;
    }
    return any;
}

std::int16_t codeOfLine(const QByteArray &line)
{
    if (line.size() >= ShortestNonCodeLine)
        return GetTables::NotASavedFile;
    const auto code = vb::toInteger(QString::fromLatin1(line).trimmed());
    if (!code || *code < LD4800 || *code > SG2150)
        return GetTables::NotASavedFile;
    return *code;
}

// Only the characters a gauge's parser reads pass: codes 32 to 90, carriage return and the end byte.
bool passes(unsigned char b)
{
    return (b >= 32 && b <= 90) || b == 13 || b == 253;
}

// The longest line the program writes is an NG7700B reading, about 150 characters; values wider
// than their columns make it longer, but never this long.
constexpr qint64 LongestProjectLine = 1000;

bool foreignByte(unsigned char b)
{
    return (b < 32 && b != '\r' && b != '\n' && b != '\t') || (b > 127 && b != 253);
}

} // namespace

GetTables::GetTables(parse::Parse &parse)
    : m_parse(parse)
{
}

std::int16_t GetTables::modelCodeOf(const QString &fileName)
{
    QFile file(fileName);
    QByteArray line;
    if (!file.open(QIODevice::ReadOnly) || !readFirstLine(file, line))
        return NotASavedFile;
    return codeOfLine(line);
}

QString GetTables::Get_tables(const QString &fileName, const QString &previousTableList)
{
    m_modelCode = NotASavedFile;
    m_savedFile = false;
    m_initStatus = status::Ok;
    m_unreadableLines = 0;
    m_endMissing = false;
    m_lineLength = 0;
    m_lineUnreadable = false;
    m_afterCarriageReturn = true;
    QFile file(fileName);
    QByteArray line;
    if (!file.open(QIODevice::ReadOnly) || !readFirstLine(file, line))
        return QString();
    m_modelCode = codeOfLine(line);
    if (m_modelCode == NotASavedFile)
        return QString();
    m_savedFile = true;

    m_initStatus = m_parse.Initit(previousTableList);
    // Without a database file every parse call would fail: there is nothing to read it into.
    if (m_initStatus != status::Ok)
        return m_parse.retrn_message();

    int (parse::Parse::*parser)(int) = nullptr;
    switch (m_modelCode) {
    case LD4800: parser = &parse::Parse::Parse_LD4800; break;
    case NG7700A: parser = &parse::Parse::Parse_NG7700A; break;
    case NG7700B: parser = &parse::Parse::Parse_NG7700B; break;
    default: parser = &parse::Parse::Parse_SG2150; break;
    }
    // NG7700B is the one model whose end line ends the reading.
    const bool stopsAtEnd = m_modelCode == NG7700B;
    QByteArray chunk;
    bool stopped = false;
    while (!stopped && !(chunk = file.read(ChunkSize)).isEmpty())
        feed(chunk, parser, stopsAtEnd, stopped);
    if (!stopped && m_lineLength > 0) {
        m_endMissing = true;
        if (m_lineUnreadable || m_lineLength > LongestProjectLine)
            ++m_unreadableLines;
    }
    return m_parse.retrn_message();
}

// Files copied between systems may end their lines with line feeds alone, or carriage returns
// alone; both are read as the carriage return and line feed the gauges send.
void GetTables::feed(const QByteArray &chunk, int (parse::Parse::*parser)(int), bool stopsAtEnd, bool &stopped)
{
    for (const char c : chunk) {
        auto b = static_cast<unsigned char>(c);
        const bool lineFeed = b == '\n';
        if (lineFeed && !m_afterCarriageReturn)
            b = '\r';
        m_afterCarriageReturn = c == '\r';
        if (b == '\r' || lineFeed) {
            if (m_lineUnreadable || m_lineLength > LongestProjectLine)
                ++m_unreadableLines;
            m_lineLength = 0;
            m_lineUnreadable = false;
        } else if (b != 253) {
            // The gauge's end byte after the last line ends the report; it starts no line.
            ++m_lineLength;
            m_lineUnreadable = m_lineUnreadable || foreignByte(b);
        }
        if (passes(b) && (m_parse.*parser)(b) == status::StreamComplete && stopsAtEnd) {
            stopped = true;
            return;
        }
    }
}

} // namespace valtrane::exporting
