#include "export/Sg2150Listing.h"

#include "db/Recordset.h"
#include "export/RecordFields.h"
#include "export/ReportLines.h"

#include <array>
#include <vector>

namespace valtrane::exporting {

namespace {

// The labels of the run line; lowercase letters are dropped when the file is read back, which
// leaves the run parser the tokens "R#", "D:" and "T:" it looks for.
const std::array<QStringView, 5> RunLabels{u"Run#,  ", u",Meas:, ", u",CalFac:, ", u",Date:, ", u",Time:, "};

const std::vector<LayoutField> &binLayout()
{
    static const std::vector<LayoutField> layout{
        {u"BIN_NUMBER", 4},    {u"FREQUENCY", 5},     {u"REAL_DISPL_ND", 6}, {u"REAL_FORCE_ND", 6},
        {u"IMAG_DISPL_ND", 6}, {u"IMAG_FORCE_ND", 6}, {u"REAL_DISPL_SD", 6}, {u"REAL_FORCE_SD", 6},
        {u"IMAG_DISPL_SD", 6}, {u"IMAG_FORCE_SD", 6}, {u"NOISE_OL_FLAG", 2}, {u"SIGNL_OL_FLAG", 2},
        {u"DSNR", 5},          {u"FSNR", 2},
    };
    return layout;
}

} // namespace

bool Sg2150Listing::isSummaryTable(const QString &tableName)
{
    return tableName.compare(QLatin1String("RUN21"), Qt::CaseInsensitive) == 0;
}

bool Sg2150Listing::writeTable(db::Recordset &records, QString &error)
{
    RecordFields run(records, {u"RUN_NUMBER", u"MEASURE", u"CALFACTOR", u"Date", u"Time"});
    RecordFields bin(records, binLayout());
    if (!run.found(error) || !bin.found(error))
        return false;
    if (!records.moveFirst())
        return true;
    const auto runLine = [&run] {
        QString line;
        for (int i = 0; i < int(RunLabels.size()); ++i)
            line += RunLabels[size_t(i)].toString() + run.text(i);
        return line;
    };

    if (isSummaryTable(records.tableName())) {
        for (; !records.isEOF(); records.moveNext()) {
            m_out.line(runLine());
            m_out.empty();
        }
        return true;
    }

    m_out.line(runLine());
    const std::vector<LayoutField> &layout = binLayout();
    // The two signal-to-noise ratios are parted by a blank, the other fields by commas.
    const int forceRatio = int(layout.size()) - 1;
    for (records.moveNext(); !records.isEOF(); records.moveNext()) {
        QString line;
        for (int i = 0; i < int(layout.size()); ++i) {
            if (i > 0)
                line += i == forceRatio ? QLatin1Char(' ') : QLatin1Char(',');
            line += bin.aligned(i, layout[size_t(i)].width);
        }
        m_out.line(line);
    }
    m_out.empty();
    return true;
}

} // namespace valtrane::exporting
