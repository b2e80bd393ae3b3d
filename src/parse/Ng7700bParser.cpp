#include "parse/Ng7700bParser.h"

#include "common/StatusCode.h"
#include "common/TextFunctions.h"
#include "db/TableKinds.h"
#include "parse/ParseRun.h"
#include "parse/TokenText.h"

namespace valtrane::parse {

namespace {

constexpr int EndByte = 253;
constexpr int EmptyReadsToEnd = 1001;

// The text fields of a reading by column (1 to 8); 0 is the read number, 9 to 17 are numbers.
const char16_t *textColumn(int k)
{
    static const char16_t *const names[] = {nullptr, u"Time", u"STAT1TO", u"STAT1", u"Offset", u"STAT2", u"LANE", u"DPT", u"SA"};
    return k >= 1 && k <= 8 ? names[k] : nullptr;
}

const char16_t *singleColumn(int k)
{
    static const char16_t *const names[] = {u"ADJ", u"DC", u"MC", u"AV", u"WD", u"DD", u"M", u"PERCM", u"PERC_COMP"};
    return k >= 9 && k <= 17 ? names[k - 9] : nullptr;
}

// The single-valued header fields given as "LABEL=value".
const char16_t *equalsField(QStringView label)
{
    if (label == QLatin1String("D STD"))
        return u"DSTD";
    if (label == QLatin1String("M STD"))
        return u"MSTD";
    if (label == QLatin1String("KVAL"))
        return u"KVAL";
    if (label == QLatin1String("SPG"))
        return u"SPG";
    if (label == QLatin1String("MAXD"))
        return u"MAXD";
    if (label == QLatin1String("LOWD"))
        return u"LOWD";
    return nullptr;
}

} // namespace

int Ng7700bParser::parse(int ch)
{
    RunState &s = m_run.state();
    if (ch < 0 || ch > 255) {
        s.emptyCount += 1;
        return s.emptyCount >= EmptyReadsToEnd ? status::StreamComplete : status::Ok;
    }
    s.emptyCount = 0;
    const QChar c{char16_t(ch)};
    if (ch == EndByte && !fixUp())
        return status::Ok;
    if (s.headerValueMode) {
        headerValue(c);
    } else if (!s.equalsValueMode) {
        if (c == QLatin1Char('\r')) {
            if (!endOfLine())
                return status::Ok;
        } else if (c == QLatin1Char(',')) {
            if (!endOfField())
                return status::Ok;
        } else if (c == QLatin1Char(':')) {
            labelColon();
        } else if (c == QLatin1Char('=')) {
            labelEquals();
        } else {
            s.token.append(c);
        }
        if (s.token == QLatin1String(" B   ."))
            return status::StreamComplete;
    } else {
        equalsValue(c);
    }
    return status::Ok;
}

// A colon at the start of a line ends a label; inside a reading (a time such as 12:30) it is text.
void Ng7700bParser::labelColon()
{
    RunState &s = m_run.state();
    if (s.fieldIndex != 0) {
        s.token.append(QLatin1Char(':'));
        return;
    }
    s.label = trimBlanks(s.token).toString();
    s.token.truncate(0);
    s.headerValueMode = true;
}

void Ng7700bParser::labelEquals()
{
    RunState &s = m_run.state();
    s.label = trimBlanks(s.token).toString();
    s.token.truncate(0);
    s.equalsValueMode = true;
}

// The value after "LABEL:" ends at the first blank once it has three characters. Failures while
// storing it are passed over.
void Ng7700bParser::headerValue(QChar c)
{
    RunState &s = m_run.state();
    s.token.append(c);
    if (!(s.token.size() > 2 && c == QLatin1Char(' ')))
        return;
    const QString value = trimBlanks(s.token).toString();
    if (!s.tableFound) {
        const QString &label = s.label;
        if (label == QLatin1String("D") || label == QLatin1String("DATE"))
            m_run.setText(u"Date", value);
        else if (label == QLatin1String("CALIBRATION DATE"))
            s.calibrationDate = value;
        else if (label == QLatin1String("P ID") || label == QLatin1String("ID") || label == QLatin1String("PROJECT ID"))
            projectHeader(value);
        else if (label.endsWith(QLatin1String("SERIAL")))
            s.serialNumber = value;
        else if (label.toUpper() == QLatin1String("AVERAGE OF ALL DATA"))
            s.skipLine = true;
    }
    s.token.truncate(0);
    s.headerValueMode = false;
}

// A project's header line: its table is created with a header record (read number 0), or, for an
// identifier seen before, reopened without writing its header again.
void Ng7700bParser::projectHeader(const QString &identifier)
{
    RunState &s = m_run.state();
    // The table registry keeps the list between double quotes and so cannot hold one inside it.
    const QString id = QString(identifier).remove(QLatin1Char('"'));
    // The table list separates names by blanks, so an identifier that is empty or holds a blank
    // (only a damaged line gives one) could never be listed or deleted: it names no project.
    if (id.isEmpty() || id.size() >= ParseRun::LongestTableName || id.contains(QLatin1Char(' ')))
        return;
    QString table = QLatin1Char('P') + id;
    if (s.hasProject(id)) {
        m_run.openTable(Strip_Char(table, QLatin1Char('.')));
        s.tableFound = true;
        return;
    }
    s.tableFound = false;
    // A project whose table cannot be made (only a damaged line names one) is dropped whole.
    if (!m_run.createTable(table, db::Ng7700bProjectTable))
        return;
    s.addProject(id);
    m_run.openTable(table);
    m_run.addNew();
    m_run.setValue(u"RDNUM", 0);
    m_run.setText(u"ID", id);
    if (!s.serialNumber.isEmpty())
        m_run.setLong(u"SERNUM", s.serialNumber);
    if (!s.calibrationDate.isEmpty())
        m_run.setText(u"CDate", s.calibrationDate);
    m_run.appendToTableList(id);
}

// The value after "LABEL=" ends at the first blank once it has three characters, or at the end of
// the line. LOWD is the last value of a project's header line and saves its header record.
void Ng7700bParser::equalsValue(QChar c)
{
    RunState &s = m_run.state();
    s.token.append(c);
    const bool endOfLine = c == QLatin1Char('\r');
    if (!((s.token.size() > 2 && c == QLatin1Char(' ')) || endOfLine))
        return;
    if (!s.tableFound) {
        QStringView value = trimBlanks(s.token);
        if (endOfLine && !value.isEmpty())
            value.chop(1);
        if (const char16_t *field = equalsField(s.label)) {
            m_run.setSingle(field, value);
            if (s.label == QLatin1String("LOWD"))
                m_run.update();
        }
    }
    s.token.truncate(0);
    s.equalsValueMode = false;
}

bool Ng7700bParser::endOfField()
{
    RunState &s = m_run.state();
    trimBlanksInPlace(s.token);
    if (s.token == QLatin1String("RD #"))
        s.headerLine = true;
    const int k = s.fieldIndex;
    s.fieldIndex = k + 1;
    if (s.skipLine) {
        s.fieldIndex = 0;
    } else if (s.headerLine) {
        // The column heading line stores nothing.
        if (s.fieldIndex == 19) {
            s.headerLine = false;
            s.fieldIndex = 0;
        }
    } else if (!storeField(k, s.token)) {
        return false;
    }
    s.token.truncate(0);
    return true;
}

bool Ng7700bParser::storeField(int k, QStringView t)
{
    RunState &s = m_run.state();
    if (k == 0)
        return m_run.addNew() && m_run.setLong(u"RDNUM", t);
    if (const char16_t *field = textColumn(k))
        return m_run.setText(field, t.toString());
    if (const char16_t *field = singleColumn(k)) {
        // An empty moisture or compaction percentage is stored as 0.
        if (t.isEmpty() && (k == 16 || k == 17))
            return m_run.setValue(field, 0.0f);
        return m_run.setSingle(field, t);
    }
    if (k == 18) {
        if (!m_run.setText(u"VR", t.toString()) || !m_run.update())
            return false;
        s.fieldIndex = 0;
    }
    return true;
}

// A reading is saved at the end of its line when its last column is VR, or M for a reading
// without the percentage columns.
bool Ng7700bParser::endOfLine()
{
    RunState &s = m_run.state();
    const QStringView t = trimBlanks(s.token);
    if (s.fieldIndex == 18) {
        if (t != QLatin1String("VR") && (!m_run.setText(u"VR", t.toString()) || !m_run.update()))
            return false;
    } else if (s.fieldIndex == 15 && t != QLatin1String("%COMP")) {
        if (!m_run.setSingle(u"M", t) || !m_run.update())
            return false;
    }
    s.fieldIndex = 0;
    s.headerLine = false;
    s.skipLine = false;
    s.tableFound = false;
    s.token.truncate(0);
    return true;
}

// At the end byte: a project header that came before the serial number and calibration date gets
// them now. Then the database is closed.
bool Ng7700bParser::fixUp()
{
    RunState &s = m_run.state();
    for (const QString &id : tableListNames(s.projectList)) {
        if (!m_run.openTable(QLatin1Char('P') + Strip_Char(id, QLatin1Char('.'))) || !m_run.moveFirst())
            return false;
        const auto serial = m_run.value(u"SERNUM");
        const auto date = m_run.value(u"CDate");
        if (!serial || !date)
            return false;
        const bool missing = serial->isNull() || date->isNull() || date->toString().isEmpty();
        if (missing && !s.serialNumber.isEmpty()) {
            if (!m_run.edit() || !m_run.setLong(u"SERNUM", s.serialNumber) || !m_run.setText(u"CDate", s.calibrationDate)
                || !m_run.update())
                return false;
        }
    }
    m_run.closeDatabase();
    return true;
}

} // namespace valtrane::parse
