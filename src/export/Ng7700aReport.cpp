#include "export/Ng7700aReport.h"

#include "common/NumberFormat.h"
#include "common/TextFunctions.h"
#include "db/Recordset.h"
#include "export/FixedLine.h"
#include "export/RecordFields.h"
#include "export/ReportLines.h"

#include <QStringList>
#include <cmath>
#include <vector>

namespace valtrane::exporting {

namespace {

// The columns up to MAX D are the same for both surfaces; the columns after it are averaged.
constexpr int FirstAveraged = 16;

const std::vector<LayoutField> &soilLayout()
{
    static const std::vector<LayoutField> layout{
        {u"RDNUM", 4, 1},   {u"RDATE", 8, 7},   {u"ID", 6, 16},    {u"STAT", 6, 24},  {u"Offset", 6, 31},
        {u"DPT", 3, 39},    {u"SA", 3, 43},     {u"KVAL", 6, 48},  {u"PADJ", 5, 55},  {u"DSTD", 6, 62},
        {u"MSTD", 5, 69},   {u"DCNT", 6, 75},   {u"MCNT", 5, 82},  {u"SPG", 4, 89},   {u"PAV", 3, 94},
        {u"MAXD", 5, 98},   {u"WETD", 5, 105},  {u"DRYD", 5, 112}, {u"WAT", 4, 119},  {u"PWAT", 4, 125},
        {u"PCOMP", 5, 132},
    };
    return layout;
}

const std::vector<LayoutField> &asphaltLayout()
{
    static const std::vector<LayoutField> layout = [] {
        std::vector<LayoutField> l(soilLayout().begin(), soilLayout().begin() + FirstAveraged);
        l.push_back({u"PAC", 5, 105});
        l.push_back({u"Dens", 5, 112});
        l.push_back({u"PCOMP", 5, 120});
        return l;
    }();
    return layout;
}

const QString SoilHeading = QStringLiteral(
    "RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D  WET D  DRY D   WAT  %WAT   %COMP");
const QString SoilDashes = QStringLiteral(
    "----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----");
const QString AsphaltHeading = QStringLiteral(
    "RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D   % AC   DENS   %COMP");
const QString AsphaltDashes = QStringLiteral(
    "----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----   -----");
const QString CommaHeading = QStringLiteral(
    "RD #,    DATE  ,   PROJ ,  STAT ,  OFFST,  DPT, S/A,   KVAL , % ADJ,   D STD, M STD,  D CNT, M CNT,   SPG, %AV, MAX D,  WET D,  DRY D,   WAT,  %WAT,   %COMP");
const QString CommaDashes = QStringLiteral(
    "----,  --------,  ------, ------, ------,  ---, ---,  ------, -----,  ------, -----, ------, -----,  ----, ---, -----,  -----,  -----,  ----,  ----,   -----");
const QString ThreeBlanks = QStringLiteral("   ");
const QString AverageLabel = QStringLiteral("AVERAGE OF ALL DATA:");
const QString DeviationLabel = QStringLiteral("SAMPLE DEVIATIONS:");
constexpr int LabelColumn = 79;

// Average and sample deviation of one column over the records of a section. An empty (null)
// value is no reading and is left out; a column without any reading shows nothing. The sample
// deviation of a single reading is shown as 0.0: one value has no spread.
class ColumnSpread {
public:
    void add(const QVariant &value)
    {
        if (!value.isValid() || value.isNull())
            return;
        const double v = value.toDouble();
        ++m_n;
        m_sum += v;
        m_squares += v * v;
    }
    QString average() const { return m_n == 0 ? QString() : formatNumber(m_sum / m_n, u"##0.0"); }
    QString deviation() const
    {
        if (m_n == 0)
            return QString();
        const double spread = m_n < 2 ? 0.0 : (m_squares - m_sum * m_sum / m_n) / (m_n - 1);
        return formatNumber(spread > 0 ? std::sqrt(spread) : 0.0, u"##0.0");
    }

private:
    int m_n = 0;
    double m_sum = 0;
    double m_squares = 0;
};

// Each text at the column of its field, after what the line already holds.
QString placed(FixedLine line, const LayoutField *fields, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        line.at(fields[i].column, texts[i]);
    return line.text();
}

// The closing lines of a section: its averages and sample deviations under their columns.
void writeAverages(ReportLines &out, const std::vector<LayoutField> &layout, const std::vector<ColumnSpread> &spreads, bool comma)
{
    out.line(ThreeBlanks);
    for (const QString &label : {AverageLabel, DeviationLabel}) {
        QStringList texts;
        for (size_t i = 0; i < spreads.size(); ++i)
            texts.append(RightAlign(label == AverageLabel ? spreads[i].average() : spreads[i].deviation(), layout[FirstAveraged + i].width));
        out.line(comma ? label + QStringLiteral(",,,") + texts.join(QLatin1Char(','))
                       : placed(FixedLine(FixedLine::Separator::Blank).at(LabelColumn, label), &layout[FirstAveraged], texts));
    }
    out.line(ThreeBlanks);
}

} // namespace

bool Ng7700aReport::writeTable(db::Recordset &records, QString &error)
{
    return writeSection(records, true, error) && writeSection(records, false, error);
}

bool Ng7700aReport::writeSection(db::Recordset &records, bool soil, QString &error)
{
    const std::vector<LayoutField> &layout = soil ? soilLayout() : asphaltLayout();
    const bool comma = soil && m_commaVariant;
    RecordFields fields(records, layout);
    RecordFields title(records, {u"SA", u"SERNUM", u"CDATE"});
    if (!fields.found(error) || !title.found(error))
        return false;
    const QString surface = soil ? QStringLiteral("S") : QStringLiteral("A");
    std::vector<ColumnSpread> spreads(layout.size() - FirstAveraged);
    bool started = false;
    for (records.moveFirst(); !records.isEOF(); records.moveNext()) {
        if (title.text(0) != surface)
            continue;
        if (!started) {
            started = true;
            m_out.line(ThreeBlanks);
            m_out.line(QStringLiteral("COMPACTION CONTROL DATA REPORT   NG-7700A SERIAL: ") + title.text(1)
                       + QStringLiteral("   CALIBRATION DATE:") + title.text(2));
            m_out.line(ThreeBlanks);
            m_out.line(comma ? CommaHeading : soil ? SoilHeading : AsphaltHeading);
            m_out.line(comma ? CommaDashes : soil ? SoilDashes : AsphaltDashes);
        }
        QStringList texts;
        for (int i = 0; i < int(layout.size()); ++i)
            texts.append(fields.aligned(i, layout[size_t(i)].width));
        m_out.line(comma ? texts.join(QLatin1Char(',')) : placed(FixedLine(FixedLine::Separator::Blank), layout.data(), texts));
        for (size_t i = 0; i < spreads.size(); ++i)
            spreads[i].add(fields.value(FirstAveraged + int(i)));
    }
    if (started)
        writeAverages(m_out, layout, spreads, comma);
    return true;
}

} // namespace valtrane::exporting
