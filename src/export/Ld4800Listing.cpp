#include "export/Ld4800Listing.h"

#include "common/TextFunctions.h"
#include "db/Recordset.h"
#include "export/FixedLine.h"
#include "export/RecordFields.h"
#include "export/ReportLines.h"

#include <array>
#include <utility>

namespace valtrane::exporting {

namespace {

const std::array<std::pair<QLatin1StringView, QLatin1StringView>, 6> Tests{{
    {QLatin1StringView("CBR_LBR"), QLatin1StringView("CBR/LBR TEST")},
    {QLatin1StringView("MARSHALL"), QLatin1StringView("MARSHALL TEST")},
    {QLatin1StringView("UC"), QLatin1StringView("U.C. TEST")},
    {QLatin1StringView("TRIAXIAL"), QLatin1StringView("TRIAXIAL TEST")},
    {QLatin1StringView("S_C_TEST"), QLatin1StringView("SOIL CEMENT TEST")},
    {QLatin1StringView("DSHEARTEST"), QLatin1StringView("DIRECT SHEAR TEST")},
}};

// Where the four channels start, and the width of every channel and the time.
constexpr std::array<int, 4> ChannelColumns{17, 30, 43, 59};
constexpr int ChannelWidth = 10;
constexpr int TimeColumn = 7;
constexpr int TimeWidth = 8;

enum Field { ReadNumber, Time, Ch1, Ch2, Ch3, Ch4, Ch1Name, Ch2Name, Ch3Name, Ch4Name };

// A line of the listing: the first two texts, then the four channel texts, each where its column
// starts, separated as the logger separates them.
QString listingLine(const QString &first, const QString &time, const std::array<QString, 4> &channels)
{
    FixedLine line;
    line.at(1, first);
    line.at(TimeColumn, time);
    for (size_t c = 0; c < channels.size(); ++c)
        line.at(ChannelColumns[c], RightAlign(channels[c], ChannelWidth) + (c + 1 < channels.size() ? QStringLiteral(", ") : QString()));
    return line.text();
}

} // namespace

QString Ld4800Listing::testHeading(const QString &tableName)
{
    for (const auto &[prefix, heading] : Tests) {
        if (tableName.startsWith(prefix, Qt::CaseInsensitive))
            return heading;
    }
    return QString();
}

bool Ld4800Listing::writeTable(db::Recordset &records, QString &error)
{
    RecordFields fields(records, {u"READNUMBER", u"Time", u"CH1", u"CH2", u"CH3", u"CH4", u"CH1NAME", u"CH2NAME", u"CH3NAME", u"CH4NAME"});
    if (!fields.found(error))
        return false;
    const QString heading = testHeading(records.tableName());
    if (heading.isEmpty()) {
        error = QStringLiteral("table %1 is not a load-frame test").arg(records.tableName());
        return false;
    }
    m_out.line(heading);
    m_out.empty();
    // A test without readings keeps its place in the file, with blank channel names, so that the
    // tests after it are numbered as before when the file is read back.
    const bool any = records.moveFirst();
    const auto name = [&](int f) { return any ? fields.text(f) : QString(); };
    m_out.line(listingLine(QStringLiteral("RD #,"), RightAlign(QStringLiteral("TIME"), TimeWidth) + QLatin1Char(','),
                           {name(Ch1Name), name(Ch2Name), name(Ch3Name), name(Ch4Name)}));
    for (; !records.isEOF(); records.moveNext()) {
        m_out.line(listingLine(fields.aligned(ReadNumber, 4) + QStringLiteral(", "), fields.aligned(Time, TimeWidth) + QStringLiteral(", "),
                               {fields.text(Ch1), fields.text(Ch2), fields.text(Ch3), fields.text(Ch4)}));
    }
    m_out.line(QStringLiteral("END"));
    m_out.empty();
    return true;
}

} // namespace valtrane::exporting
