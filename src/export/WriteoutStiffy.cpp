#include "export/WriteoutStiffy.h"

#include "common/ProgramInfo.h"
#include "common/SettingsFile.h"

#include <QStringList>
#include <vector>

namespace valtrane::exporting {

namespace {

constexpr int SummaryRows = 25;

// Reads a column's values one after the other; past the last value every read is empty.
class ColumnReader {
public:
    explicit ColumnReader(const QString &text) : m_text(text) {}

    QString next()
    {
        if (m_position >= m_text.size())
            return QString();
        qsizetype end = m_text.indexOf(QLatin1Char('\r'), m_position);
        if (end < 0)
            end = m_text.size();
        const QString value = m_text.mid(m_position, end - m_position);
        m_position = end + 1;
        return value;
    }

private:
    const QString &m_text;
    qsizetype m_position = 0;
};

QStringList summaryLines(const report::StiffnessReportCells &cells)
{
    QStringList lines;
    lines << QStringLiteral("RUN#:  ") + cells.runNumber + QStringLiteral("   MEAS:  ") + cells.measure
                 + QStringLiteral("   DATE:  ") + cells.date + QStringLiteral("   TIME:  ") + cells.time;
    lines << QString() << QString();
    lines << QStringLiteral(",,SNR,db,Meas Stiff,Meas Stiff,Calc Yngs Mod,Calc Yngs Mod,Calc Shr Mod,Calc Shr Mod,"
                            "Meas Mois Cont,Est Dry Dens,Est Dry Dens");
    lines << QStringLiteral("BIN#,Freq.(Hz),Displ.,Force,(MN/m),(lbf/in),(MPa),(psi),(MPa),(psi),"
                            "(%by Wght/100),PD(pcf),PD(kg/m^3)");

    std::vector<ColumnReader> columns;
    for (const QString &column : cells.columns)
        columns.emplace_back(column);
    for (int row = 1; row <= SummaryRows; ++row) {
        QString line;
        for (ColumnReader &column : columns)
            line += column.next() + QLatin1Char(',');
        if (row == 1)
            line += cells.moistureContent + QLatin1Char(',') + cells.densityPcf + QLatin1Char(',') + cells.densityKgPerM3;
        lines << line;
    }

    QStringList averages(cells.averages.begin(), cells.averages.end());
    lines << QStringLiteral(",,,AVG:,") + averages.join(QLatin1Char(','));
    return lines;
}

} // namespace

bool writeoutStiffy(const report::StiffnessReportCells &cells, const QString &fileName, Prompter &prompter)
{
    if (SettingsFile::writeLines(fileName, summaryLines(cells)))
        return true;
    prompter.tell(QStringLiteral("Error Opening File.  Make sure file is closed."), program::title());
    return false;
}

} // namespace valtrane::exporting
