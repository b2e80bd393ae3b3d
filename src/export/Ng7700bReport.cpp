#include "export/Ng7700bReport.h"

#include "common/TextFunctions.h"
#include "db/Recordset.h"
#include "export/FixedLine.h"
#include "export/RecordFields.h"
#include "export/ReportLines.h"

#include <QStringList>
#include <array>
#include <vector>

namespace valtrane::exporting {

namespace {

const std::vector<LayoutField> &readingLayout()
{
    static const std::vector<LayoutField> layout{
        {u"RDNUM", 4, 1},    {u"Time", 6, 6},    {u"STAT1TO", 8, 14}, {u"STAT1", 6, 24}, {u"Offset", 6, 32},
        {u"STAT2", 6, 40},   {u"LANE", 4, 48},   {u"DPT", 3, 54},     {u"SA", 3, 59},    {u"ADJ", 6, 64},
        {u"DC", 8, 72},      {u"MC", 8, 82},     {u"AV", 6, 92},      {u"WD", 6, 100},   {u"DD", 6, 108},
        {u"M", 6, 116},      {u"PERCM", 6, 124}, {u"PERC_COMP", 6, 132}, {u"VR", 6, 140},
    };
    return layout;
}

const std::array<QStringView, 19> Headings{u"RD #", u"TIME", u"STAT1 TO", u"STAT1", u"OFFSET", u"STAT2", u"LANE",
                                           u"DPT",  u"S/A",  u"%ADJ",     u"DC",    u"MC",     u"%AV",   u"WD",
                                           u"DD",   u"M",    u"%M",       u"%COMP", u"VR"};

// The labelled values of the project line, in the order they are printed.
const std::array<QStringView, 8> ProjectLabels{u"PROJECT ID: ", u" DATE: ", u" D STD=", u" M STD=",
                                               u" KVAL=",       u"  SPG=",  u" MAXD=",  u" LOWD="};

enum ProjectField { Id, Date, Dstd, Mstd, Kval, Spg, Maxd, Lowd, Sernum, Cdate };

// The texts of a line, each right-aligned to the width of its column and placed at it, each but the
// last followed by a comma.
template<typename TextOf>
QString columnLine(TextOf textOf)
{
    const std::vector<LayoutField> &layout = readingLayout();
    FixedLine line;
    for (size_t i = 0; i < layout.size(); ++i) {
        QString text = RightAlign(textOf(int(i)), layout[i].width);
        if (i + 1 < layout.size())
            text.append(QLatin1Char(','));
        line.at(layout[i].column, text);
    }
    return line.text();
}

} // namespace

bool Ng7700bReport::writeTable(db::Recordset &records, QString &error)
{
    RecordFields project(records, {u"ID", u"Date", u"DSTD", u"MSTD", u"KVAL", u"SPG", u"MAXD", u"LOWD", u"SERNUM", u"CDATE"});
    RecordFields reading(records, readingLayout());
    if (!project.found(error) || !reading.found(error))
        return false;
    // A table without records has no project line to show, and the gauge never sends one.
    if (!records.moveFirst())
        return true;

    if (!m_titleWritten) {
        m_titleWritten = true;
        m_out.line(QStringLiteral("COMPACTION CONTROL DATA REPORT NG-7700B SERIAL: ") + project.text(Sernum)
                   + QStringLiteral(" CALIBRATION DATE: ") + project.text(Cdate) + QLatin1Char(' '));
        m_out.empty();
    }
    QString projectLine;
    for (int i = Id; i <= Lowd; ++i)
        projectLine += ProjectLabels[size_t(i)].toString() + project.text(i);
    m_out.line(QStringLiteral(" "));
    m_out.line(projectLine);
    m_out.line(QStringLiteral(" "));
    m_out.line(columnLine([](int i) { return Headings[size_t(i)].toString(); }));

    // The header record (reading number 0) is what the project line shows; the gauge prints no
    // reading line for it, and reading it back as a reading would collide with it.
    int readings = records.recordCount();
    const QVariant first = reading.value(0);
    if (!first.isNull() && first.toInt() == 0) {
        records.moveNext();
        --readings;
    }
    for (; readings > 1; --readings, records.moveNext())
        m_out.line(columnLine([&reading](int i) { return reading.text(i); }));
    if (readings == 1) {
        QStringList values;
        for (int i = 0; i < int(readingLayout().size()); ++i)
            values.append(reading.text(i));
        m_out.line(values.join(QStringLiteral(", ")));
    }
    m_out.empty();
    return true;
}

} // namespace valtrane::exporting
