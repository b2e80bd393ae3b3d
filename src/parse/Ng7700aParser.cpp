#include "parse/Ng7700aParser.h"

#include "common/TextFunctions.h"
#include "db/TableKinds.h"
#include "parse/ParseRun.h"
#include "parse/TokenText.h"

namespace valtrane::parse {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The single-valued columns of a reading by field index; columns 18 to 20 hold other fields on an
// asphalt reading.
const char16_t *singleColumn(int fieldIndex, bool asphalt)
{
    switch (fieldIndex) {
    case 5: return u"STAT";
    case 6: return u"Offset";
    case 9: return u"KVAL";
    case 10: return u"PADJ";
    case 11: return u"DSTD";
    case 12: return u"MSTD";
    case 13: return u"DCNT";
    case 14: return u"MCNT";
    case 15: return u"SPG";
    case 16: return u"PAV";
    case 17: return u"MAXD";
    case 18: return asphalt ? u"PAC" : u"WETD";
    case 19: return asphalt ? u"Dens" : u"DRYD";
    case 20: return asphalt ? u"PCOMP" : u"WAT";
    case 21: return u"PWAT";
    default: return nullptr;
    }
}

} // namespace

int Ng7700aParser::parse(int ch)
{
    if (ch < 0 || ch > 255)
        return 0;
    const QChar c{char16_t(ch)};
    RunState &s = m_run.state();
    if (c == QLatin1Char(':') && colon())
        return 0;
    if (s.skipLine || c == QLatin1Char(':'))
        return 0;
    if (s.headerValueMode && (s.fieldIndex == 0 || s.fieldIndex == 1))
        headerCharacter(c);
    else
        dataCharacter(c);
    return 0;
}

// "DATA:" opens the skip region over the averages; the next colon resets the field index, and the
// one after it (the next report's "SERIAL:") starts reading a header again. True when the colon
// has done all it does.
bool Ng7700aParser::colon()
{
    RunState &s = m_run.state();
    if (s.token == QLatin1String("DATA")) {
        s.skipLine = true;
        s.skipToggle = true;
        s.token.truncate(0);
        return true;
    }
    if (s.skipToggle) {
        s.skipToggle = false;
        s.fieldIndex = 0;
        s.token.truncate(0);
        return true;
    }
    s.skipLine = false;
    s.token.truncate(0);
    s.headerValueMode = true;
    return false;
}

// The digits after "SERIAL:" (field index 0) and the date after "CALIBRATION DATE:" (1).
void Ng7700aParser::headerCharacter(QChar c)
{
    RunState &s = m_run.state();
    const bool complete = s.token.size() >= 2
                          && (c == QLatin1Char(' ') || (s.fieldIndex == 1 && c == QLatin1Char('\r')));
    if (complete) {
        (s.fieldIndex == 0 ? s.serialNumber : s.calibrationDate) = s.token;
        s.fieldIndex += 1;
        s.headerValueMode = false;
        s.token.truncate(0);
    } else if (isDigit(c) || (s.fieldIndex == 1 && c == QLatin1Char('/'))) {
        s.token.append(c);
    }
}

void Ng7700aParser::dataCharacter(QChar c)
{
    RunState &s = m_run.state();
    if (c != QLatin1Char(' ')) {
        s.token.append(c);
        return;
    }
    if (s.fieldIndex == 2 && isNumber(s.token)) {
        s.readNumber = s.token;
        s.token.truncate(0);
        s.fieldIndex = 3;
    } else if (s.fieldIndex >= 3 && s.fieldIndex <= 21 && !s.token.isEmpty()) {
        storeField();
    } else if (s.fieldIndex == 22 && !s.token.isEmpty()) {
        if (!m_run.setSingle(u"PCOMP", trimBlanks(s.token)) || !m_run.update())
            return;
        s.fieldIndex = 2;
        s.token.truncate(0);
    } else {
        // Words while waiting for a read number (headings, dash lines) are dropped here.
        s.token.truncate(0);
    }
}

// Stores the token in the column of the field index. A value that does not convert stops here,
// with the token and the field index as they were.
void Ng7700aParser::storeField()
{
    RunState &s = m_run.state();
    const int index = s.fieldIndex;
    if (index == 3) {
        s.readDate = s.token;
    } else if (index == 4) {
        if (!beginReading())
            return;
    } else if (index == 7 || index == 8) {
        if (!m_run.setText(index == 7 ? u"DPT" : u"SA", s.token))
            return;
    } else {
        bool asphalt = false;
        if (index >= 18 && index <= 20) {
            const auto sa = m_run.value(u"SA");
            if (!sa)
                return;
            asphalt = sa->toString() == QLatin1String("A");
        }
        if (!m_run.setSingle(singleColumn(index, asphalt), s.token))
            return;
        // An asphalt reading ends after its nineteenth column.
        if (asphalt && index == 20) {
            if (!m_run.update())
                return;
            s.fieldIndex = 2;
            s.token.truncate(0);
            return;
        }
    }
    s.fieldIndex += 1;
    s.token.truncate(0);
}

// The project column begins the reading's record in its project's table, with the values of the
// report's title line and of the reading's first columns.
bool Ng7700aParser::beginReading()
{
    RunState &s = m_run.state();
    // The table registry keeps the list between double quotes and so cannot hold one inside it.
    const QString id = QString(s.token).remove(QLatin1Char('"'));
    if (!selectProject(id) || !m_run.addNew() || !m_run.setSingle(u"SERNUM", s.serialNumber)
        || !m_run.setText(u"CDate", s.calibrationDate) || !m_run.setLong(u"RDNUM", s.readNumber)
        || !m_run.setText(u"RDATE", s.readDate) || !m_run.setText(u"ID", id))
        return false;
    // The table list becomes the project list; it only ever grows at its end.
    m_run.extendTableList(QStringView(s.projectList).sliced(s.projectsListed));
    s.projectsListed = s.projectList.size();
    return true;
}

bool Ng7700aParser::selectProject(const QString &id)
{
    RunState &s = m_run.state();
    if (id.size() >= ParseRun::LongestTableName)
        return false;
    QString table = QLatin1Char('P') + id;
    if (s.hasProject(id))
        return m_run.openTable(Strip_Char(table, QLatin1Char('.')));
    // Listed only once its table exists, so the table list never names a missing table.
    if (!m_run.createTable(table, db::Ng7700aProjectTable))
        return false;
    s.addProject(id);
    return m_run.openTable(table);
}

} // namespace valtrane::parse
