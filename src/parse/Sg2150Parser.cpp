#include "parse/Sg2150Parser.h"

#include "common/StatusCode.h"
#include "db/TableKinds.h"
#include "parse/ParseRun.h"
#include "parse/TokenText.h"

namespace valtrane::parse {

namespace {

constexpr int TablesPerRun = 20;  // runs with a table of their own

// The long-valued fields of a bin line by run state (5 to 16).
const char16_t *binColumn(int s)
{
    static const char16_t *const names[] = {u"BIN_NUMBER",    u"FREQUENCY",     u"REAL_DISPL_ND", u"REAL_FORCE_ND",
                                            u"IMAG_DISPL_ND", u"IMAG_FORCE_ND", u"REAL_DISPL_SD", u"REAL_FORCE_SD",
                                            u"IMAG_DISPL_SD", u"IMAG_FORCE_SD", u"NOISE_OL_FLAG", u"SIGNL_OL_FLAG"};
    return s >= 5 && s <= 16 ? names[s - 5] : nullptr;
}

} // namespace

int Sg2150Parser::parse(int ch)
{
    if (ch <= 0 || ch > 255)
        return status::Ok;
    const QChar c{char16_t(ch)};
    if (c == QLatin1Char(',') || c == QLatin1Char('\r'))
        return endOfToken() ? status::Ok : status::StiffnessParserError;
    m_run.state().token.append(c);
    return status::Ok;
}

// A comma or carriage return ends a token. Words are dropped, except the date and time, which are
// taken as text after their labels "D:" and "T:", and the signal-to-noise pair.
bool Sg2150Parser::endOfToken()
{
    RunState &s = m_run.state();
    trimBlanksInPlace(s.token);
    if (s.token == QLatin1String("#") || s.token == QLatin1String("R#"))
        s.runState = 0;
    const bool used = isNumber(s.token) || (s.runState == 3 && s.token != QLatin1String("D:"))
                      || (s.runState == 4 && s.token != QLatin1String("T:")) || s.runState == 17;
    if (used && !store(s.token))
        return false;
    s.token.truncate(0);
    return true;
}

bool Sg2150Parser::store(QStringView t)
{
    RunState &s = m_run.state();
    switch (s.runState) {
    case 0:
        return beginRun(t);
    case 1:
        if (!m_run.setSingle(u"MEASURE", t))
            return false;
        break;
    case 2:
        if (!m_run.setSingle(u"CALFACTOR", t))
            return false;
        break;
    case 3:
        if (!m_run.setText(u"Date", t.toString()))
            return false;
        break;
    case 4:
        if (!m_run.setText(u"Time", t.toString()))
            return false;
        s.runState = s.runCounter < TablesPerRun + 1 ? 5 : 0;
        return m_run.update();
    case 5:
        if (!m_run.addNew() || !m_run.setLong(binColumn(5), t))
            return false;
        break;
    case 17:
        if (!signalToNoise(t) || !m_run.update())
            return false;
        s.runState = 5;
        return true;
    default:
        if (!binColumn(s.runState) || !m_run.setLong(binColumn(s.runState), t))
            return false;
        break;
    }
    s.runState += 1;
    return true;
}

// A run number begins a run: its own table for the first 20 runs, RUN21 for all later ones.
bool Sg2150Parser::beginRun(QStringView n)
{
    RunState &s = m_run.state();
    if (s.runCounter <= TablesPerRun) {
        QString name = s.runCounter < TablesPerRun ? QStringLiteral("RUN") + n.toString() : QStringLiteral("RUN21");
        if (!m_run.createTable(name, db::StiffnessRunTable) || !m_run.openTable(name))
            return false;
        m_run.appendToTableList(name);
        s.runCounter += 1;
    }
    if (!m_run.addNew())
        return false;
    if (s.runCounter <= TablesPerRun) {
        if (!m_run.setValue(u"BIN_NUMBER", 0) || !m_run.setLong(u"RUN_NUMBER", n))
            return false;
    } else {
        if (!m_run.setLong(u"BIN_NUMBER", n) || !m_run.setLong(u"RUN_NUMBER", n))
            return false;
        s.runCounter += 1;
    }
    s.runState = 1;
    return true;
}

// Two numbers separated by one blank: DSNR and FSNR. Each blank takes the characters collected
// before it, so two blanks in a row give an empty number, which does not convert.
bool Sg2150Parser::signalToNoise(QStringView t)
{
    int blanks = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        if (i < t.size() && t[i] != QLatin1Char(' '))
            continue;
        ++blanks;
        const QStringView number = t.sliced(start, i - start);
        if (blanks == 1 && !m_run.setSingle(u"DSNR", number))
            return false;
        if (blanks == 2 && !m_run.setSingle(u"FSNR", number))
            return false;
        start = i + 1;
    }
    return true;
}

} // namespace valtrane::parse
