#include "parse/Ld4800Parser.h"

#include "common/StatusCode.h"
#include "common/VbConvert.h"
#include "db/TableKinds.h"
#include "parse/ParseRun.h"
#include "parse/TokenText.h"

#include <iterator>

namespace valtrane::parse {

namespace {

constexpr int EndByte = 253;

struct TestKind {
    const char *heading;
    const char *prefix;
};

// The six test kinds, by heading line; the table name is the prefix and the kind's counter.
constexpr TestKind testKinds[] = {
    {"CBR/LBR TEST", "CBR_LBR"},       {"MARSHALL TEST", "MARSHALL"},   {"U.C. TEST", "UC"},
    {"TRIAXIAL TEST", "TRIAXIAL"},     {"SOIL CEMENT TEST", "S_C_TEST"}, {"DIRECT SHEAR TEST", "DSHEARTEST"},
};

// A channel value as the logger's tables keep it: the single value shown with "#0.0000", that is
// rounded to four decimals, ties to the even digit (adding 0.0 drops the sign of a value that
// rounds to zero, as the shown text has none).
std::optional<double> formatted(double number)
{
    const auto v = vb::toSingle(number);
    if (!v)
        return std::nullopt;
    return vb::roundHalfEven(double(*v), 4) + 0.0;
}

} // namespace

int Ld4800Parser::parse(int ch)
{
    if (ch < 0 || ch > 255)
        return status::Ok;
    if (ch == EndByte) {
        m_run.closeDatabase();
        return status::Ok;
    }
    RunState &s = m_run.state();
    const QChar c{char16_t(ch)};
    if (c == QLatin1Char(',')) {
        endOfField();
    } else if (c != QLatin1Char('\r')) {
        s.token.append(c);
        // The token can only have become "END" with the D just added: looking only then keeps a
        // long run of blanks from being scanned again at every character.
        if (c == QLatin1Char('D') && trimBlanks(s.token) == QLatin1String("END")) {
            s.token.truncate(0);
            m_run.closeTable();
            return status::StreamComplete;
        }
    } else {
        endOfLine();
    }
    return status::Ok;
}

// A comma ends a field. Only fields with text advance the field index. A value that cannot be
// stored stops here, with the token and the field index as they were.
void Ld4800Parser::endOfField()
{
    RunState &s = m_run.state();
    const int k = s.fieldIndex;
    if (const auto number = numberOf(s.token)) {
        if (!storeNumber(k, *number))
            return;
    } else {
        const QStringView t = trimBlanks(s.token);
        storeName(k, t == QLatin1String("()") ? QStringView(u"NONE") : t);
    }
    if (!trimBlanks(s.token).isEmpty())
        s.fieldIndex = k + 1;
    s.token.truncate(0);
}

// A reading line: read number, (time), channels 1 to 3, and channel 4 when a comma follows it.
bool Ld4800Parser::storeNumber(int k, double number)
{
    RunState &s = m_run.state();
    std::optional<double> value;
    switch (k) {
    case 1: {
        if (!m_run.addNew())
            return false;
        const auto readNumber = vb::toInteger(number);
        return readNumber && m_run.setValue(u"READNUMBER", int(*readNumber));
    }
    case 3:
        value = formatted(number);
        return value && m_run.setValue(u"CH1", *value) && m_run.setText(u"CH1NAME", s.channelNames[0])
               && m_run.setText(u"Time", s.readingTime);
    case 4:
        value = formatted(number);
        return value && m_run.setValue(u"CH2", *value) && m_run.setText(u"CH2NAME", s.channelNames[1]);
    case 5:
        value = formatted(number);
        return value && m_run.setValue(u"CH3", *value) && m_run.setText(u"CH3NAME", s.channelNames[2])
               && m_run.setText(u"CH4NAME", s.channelNames[3]);
    case 6: {
        const auto single = vb::toSingle(number);
        return single && m_run.setValue(u"CH4", *single) && m_run.setText(u"CH4NAME", s.channelNames[3]);
    }
    default:
        // A numeric time is not kept.
        return true;
    }
}

// A line of words: the time of the reading, or the channel names.
void Ld4800Parser::storeName(int k, QStringView t)
{
    RunState &s = m_run.state();
    switch (k) {
    case 2: s.readingTime = t.toString(); break;
    case 3: s.channelNames[0] = t.toString(); break;
    case 4: s.channelNames[1] = t.toString(); break;
    case 5:
        s.channelNames[2] = t.toString();
        s.channelNames[3] = QStringLiteral("CH 4");
        break;
    case 6: s.channelNames[3] = t.toString(); break;
    default: break;
    }
}

// A carriage return saves a reading whose last channel ends the line, opens a test at its heading,
// or takes the last word of a channel-name line as channel 4's name.
void Ld4800Parser::endOfLine()
{
    RunState &s = m_run.state();
    if (const auto number = numberOf(s.token)) {
        const auto value = formatted(*number);
        if (!value || !m_run.setValue(u"CH4", *value) || !m_run.setText(u"CH4NAME", s.channelNames[3]) || !m_run.update())
            return;
    } else if (!openTest(trimBlanks(s.token))) {
        return;
    }
    s.token.truncate(0);
    s.fieldIndex = 1;
}

// Opens the table of a heading line; any other text is channel 4's name.
bool Ld4800Parser::openTest(QStringView heading)
{
    RunState &s = m_run.state();
    for (size_t kind = 0; kind < std::size(testKinds); ++kind) {
        if (heading != QLatin1String(testKinds[kind].heading))
            continue;
        s.testCounters[kind] += 1;
        QString name = QLatin1String(testKinds[kind].prefix) + QString::number(s.testCounters[kind]);
        if (!m_run.createTable(name, db::LoggerTestTable) || !m_run.openTable(name))
            return false;
        m_run.appendToTableList(name);
        return true;
    }
    if (!s.token.isEmpty())
        s.channelNames[3] = heading.toString();
    return true;
}

} // namespace valtrane::parse
