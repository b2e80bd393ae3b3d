#include "report/StiffnessReportCells.h"

#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::report {

namespace {

constexpr int LastFullRun = 20;
constexpr QChar CarriageReturn = QLatin1Char('\r');

QString runNumberText(const QVariant &runNumber)
{
    bool ok = false;
    const double n = runNumber.toDouble(&ok);
    const QString text = db::fieldText(runNumber);
    return ok && !runNumber.isNull() && n > LastFullRun ? text + QLatin1Char('+') : text;
}

} // namespace

QString StiffnessReportCells::runLine() const
{
    return runNumber + QStringLiteral("   ") + date + QLatin1Char(' ') + time;
}

QString StiffnessReportCells::measurementLine() const
{
    return QStringLiteral("Measure: ") + measure + QStringLiteral("   Calibration Factor: ") + calFactor;
}

StiffnessReportCells StiffnessReportCells::fromRecords(const std::vector<stiffness::StiffnessRecord> &records,
                                                       const StiffnessConstants &constants)
{
    StiffnessReportCells cells;
    if (!records.empty()) {
        const stiffness::StiffnessRecord &header = records.front();
        cells.runNumber = runNumberText(header.runNumber);
        cells.date = db::fieldText(header.date);
        cells.time = db::fieldText(header.time);
        cells.measure = db::fieldText(header.measure);
        cells.calFactor = db::fieldText(header.calFactor);
    }

    const stiffness::StiffnessRunResult run = stiffness::ComputeStiffnessRun(records, constants);
    for (const stiffness::StiffnessBinResult &bin : run.bins) {
        cells.columns[BinNumberColumn] += bin.binNumber + CarriageReturn;
        cells.columns[FrequencyColumn] += bin.frequency + CarriageReturn;
        cells.columns[DisplacementSnrColumn] += bin.displacementSnr + CarriageReturn;
        cells.columns[ForceSnrColumn] += bin.forceSnr + CarriageReturn;
        for (int i = 0; i < stiffness::StiffnessResultCount; ++i)
            cells.columns[size_t(resultColumn(stiffness::StiffnessResultColumn(i)))] += bin.results[size_t(i)] + CarriageReturn;
    }
    cells.averages = run.averages;
    cells.averagesHidden = run.summaryOnly;
    cells.moistureContent = run.moistureContent;
    cells.densityPcf = run.densityPcf;
    cells.densityKgPerM3 = run.densityKgPerM3;
    return cells;
}

std::optional<StiffnessReportCells> StiffnessReportCells::build(db::Database &database, const QString &table,
                                                                const StiffnessConstants &constants)
{
    auto records = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    if (!records || records->schema().fieldIndex(u"BIN_NUMBER") < 0 || records->schema().fieldIndex(u"RUN_NUMBER") < 0)
        return std::nullopt;
    return fromRecords(stiffness::readStiffnessRecords(*records), constants);
}

} // namespace valtrane::report
