#include "report/ReportSetup.h"

#include "common/NumberFormat.h"
#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"
#include "report/LabInformation.h"
#include "report/ReportColumns.h"
#include "report/ReportLayouts.h"
#include "report/StiffnessReportCells.h"

namespace valtrane::report {

namespace {

bool isNuclear(int deviceCode)
{
    return deviceCode == NG7700A || deviceCode == NG7700B;
}

QString tableSql(int deviceCode, const QString &table)
{
    return (isNuclear(deviceCode) ? QStringLiteral("SELECT * FROM P") : QStringLiteral("SELECT * FROM ")) + table;
}

QString fieldText(db::Recordset &records, const QString &field)
{
    return db::fieldText(records.field(field));
}

struct AverageLine {
    const char *object;
    const char *label;
    const char *fieldA;  // NG7700A
    const char *fieldB;  // NG7700B
};

const AverageLine AverageLines[] = {
    {"WetDensAvg", "Wet Dens Avg.", "WETD", "WD"},  {"DryDensAvg", "Dry Dens Avg", "DRYD", "DD"},
    {"MoistAvg", "Moisture Avg", "WAT", "M"},       {"PMoistAvg", "%Moisture Avg.", "PWAT", "PERCM"},
    {"CompAvg", "Avg %Compaction", "PCOMP", "PERC_COMP"},
};

} // namespace

ReportSetup::ReportSetup(ReportSet &reports, db::Database &database, const AppPaths &paths, AppState &state)
    : m_reports(reports)
    , m_database(database)
    , m_paths(paths)
    , m_state(state)
{
}

QString ReportSetup::gaugeTitle(int deviceCode)
{
    switch (deviceCode) {
    case NG7700A: return QStringLiteral("Data Report for NG-7700A Serial:");
    case NG7700B: return QStringLiteral("Data Report for NG-7700B Serial:");
    case SG2150: return QStringLiteral("Data Report for SG2150");
    default: return QString();
    }
}

QString ReportSetup::averageText(double sum, int count)
{
    // Without a selected reading there is no average to show: the value stays empty rather than
    // printing a number nobody measured.
    if (count <= 0)
        return QString();
    return formatNumber(sum / count, u"####0.00");
}

void ReportSetup::SetCellBorders(ReportDocument &report, const QString &cell, int position, bool hide)
{
    report.setSuppress(cell, hide);
    TextObject *object = report.textObject(cell);
    if (!object)
        return;
    if (!hide) {
        object->rightLine = object->bottomLine = SingleLine;
        if (position == 1)
            object->leftLine = SingleLine;
    } else {
        object->leftLine = object->bottomLine = NoLine;
        if (position == 6)
            object->rightLine = NoLine;
    }
}

void ReportSetup::setUp(const QString &table, int deviceCode)
{
    // A logo the user placed stays on the report from one selection to the next.
    std::vector<PictureObject> logos;
    for (const PictureObject &picture : m_reports.Report.pictures())
        if (picture.name != ReportLayouts::graphPictureName())
            logos.push_back(picture);
    m_reports.Report = ReportLayouts::buildReport(deviceCode, 9);
    for (const PictureObject &logo : logos)
        m_reports.Report.addPicture(logo.section, logo.name, logo.fileName, logo.left, logo.top);
    if (m_reports.StiffyReport.texts().empty())
        m_reports.StiffyReport = ReportLayouts::buildStiffyReport();
    m_reports.deviceCode = deviceCode;
    m_reports.columns = ReportColumnState();
    m_state.ReportFontSize = 9;

    LabInformation::copyToReports(m_state, m_reports);
    ReportDocument &report = m_reports.Report;
    report.setSuppress(QStringLiteral("LowDens"), deviceCode == NG7700A);
    report.setSuppress(QStringLiteral("LowDensLabel"), deviceCode == NG7700A);
    if (deviceCode == LD4800) {
        report.setText(QStringLiteral("TestTitle"), table + QStringLiteral(" Test Results"));
        if (report.addPicture(Section::Graph, ReportLayouts::graphPictureName(), m_paths.graphImage(), 1500, 200))
            report.setSectionHeight(Section::Graph, report.picture(ReportLayouts::graphPictureName())->height + 400);
    } else if (deviceCode == SG2150) {
        writeStiffnessHeader(report, table);
    } else if (auto records = m_database.openRecordset(tableSql(deviceCode, table))) {
        records->moveLast();
        records->moveFirst();
        if (!records->isEOF())
            writeNuclearHeader(*records, deviceCode);
    }
    startColumns(deviceCode);
}

void ReportSetup::writeNuclearHeader(db::Recordset &first, int deviceCode)
{
    ReportDocument &report = m_reports.Report;
    report.setText(QStringLiteral("GaugeTitle"), gaugeTitle(deviceCode));
    const char *const fields[][2] = {{"SerialNumber", "SERNUM"}, {"CalDate", "CDate"}, {"ProjectId", "ID"},
                                     {"DensStd", "DSTD"},       {"MoistStd", "MSTD"}, {"KVal", "KVAL"},
                                     {"Spg", "SPG"},            {"MaxDens", "MAXD"},  {"LowDens", "LOWD"}};
    for (const auto &pair : fields)
        report.setText(QString::fromLatin1(pair[0]), fieldText(first, QString::fromLatin1(pair[1])));
    report.setText(QStringLiteral("ReadDate"), fieldText(first, deviceCode == NG7700A ? QStringLiteral("RDATE") : QStringLiteral("Date")));
}

void ReportSetup::writeStiffnessHeader(ReportDocument &report, const QString &table)
{
    const auto cells = StiffnessReportCells::build(m_database, table, m_state.StiffnessConstants);
    report.setText(QStringLiteral("GaugeTitle"), gaugeTitle(SG2150));
    if (!cells)
        return;
    report.setText(QStringLiteral("RunLine"), cells->runLine());
    report.setText(QStringLiteral("Measure"), cells->measure);
    report.setText(QStringLiteral("CalFactor"), cells->calFactor);
}

void ReportSetup::startColumns(int deviceCode)
{
    ReportColumns columns(m_reports.Report, m_reports.columns, m_database, deviceCode, m_state.ReportFontSize);
    m_reports.Report.setText(ReportLayouts::headerName(2), QStringLiteral("Remarks"));
    m_reports.columns.RemarksColumnIndex = 2;
    columns.PlaceRemarksColumn();
}

void ReportSetup::applyReportFont(int fontSize, const QString &table, const QString &surfaceLetter)
{
    const int deviceCode = m_reports.deviceCode;
    m_state.ReportFontSize = std::int16_t(qBound(9, fontSize, 12));
    ReportLayouts::applyReportFont(m_reports.Report, deviceCode, m_state.ReportFontSize);
    m_reports.columns.clearGroups();
    startColumns(deviceCode);
    FillAverages(table, surfaceLetter, deviceCode);
}

void ReportSetup::FillAverages(const QString &table, const QString &surfaceLetter, int deviceCode)
{
    ReportDocument &report = m_reports.Report;
    const int half = ReportLayouts::twinOffset(m_state.ReportFontSize);
    const QString firstField = isNuclear(deviceCode) ? QStringLiteral("RDNUM")
                               : deviceCode == LD4800 ? QStringLiteral("READNUMBER")
                                                      : QStringLiteral("BIN_NUMBER");
    // A run above twenty lists one run a line; the others one frequency bin a line.
    const QString firstHeader = deviceCode != SG2150 ? QStringLiteral("RD#")
                                : table.mid(3).toInt() > 20 ? QStringLiteral("RN#")
                                                            : QStringLiteral("BN#");
    report.setText(ReportLayouts::headerName(1), firstHeader);
    std::pair<QString, QString> values;
    if (auto records = m_database.openRecordset(ReportColumns::selectionSql(deviceCode, table, surfaceLetter)))
        values = ReportColumns::stackValues(*records, firstField, deviceCode, m_state.ReportFontSize);
    report.setText(ReportLayouts::dataName(1), values.first.isEmpty() ? QStringLiteral(" ") : values.first);
    if (deviceCode == LD4800)
        report.setText(ReportLayouts::dataName(1 + half), values.second.isEmpty() ? QStringLiteral(" ") : values.second);
    if (isNuclear(deviceCode))
        writeNuclearAverages(table, surfaceLetter, deviceCode);
    if (deviceCode == SG2150)
        fillStiffyReport(table);
}

void ReportSetup::writeNuclearAverages(const QString &table, const QString &surfaceLetter, int deviceCode)
{
    double sums[std::size(AverageLines)] = {};
    int count = 0;
    if (auto records = m_database.openRecordset(ReportColumns::selectionSql(deviceCode, table, surfaceLetter))) {
        for (records->moveFirst(); !records->isEOF(); records->moveNext()) {
            ++count;
            for (size_t i = 0; i < std::size(AverageLines); ++i) {
                const char *field = deviceCode == NG7700A ? AverageLines[i].fieldA : AverageLines[i].fieldB;
                sums[i] += records->field(QString::fromLatin1(field)).toDouble();
            }
        }
    }
    ReportDocument &report = m_reports.Report;
    report.setText(QStringLiteral("AvgLabel"), QStringLiteral("Average of All Data"));
    for (size_t i = 0; i < std::size(AverageLines); ++i) {
        const QString object = QString::fromLatin1(AverageLines[i].object);
        report.setText(object + QStringLiteral("Label"), QString::fromLatin1(AverageLines[i].label));
        report.setText(object, averageText(sums[i], count));
    }
}

void ReportSetup::fillStiffyReport(const QString &table)
{
    ReportDocument &stiffy = m_reports.StiffyReport;
    if (stiffy.texts().empty())
        stiffy = ReportLayouts::buildStiffyReport();
    LabInformation::copyToReport(m_state, stiffy);
    writeStiffnessHeader(stiffy, table);
    const auto cells = StiffnessReportCells::build(m_database, table, m_state.StiffnessConstants);
    const StiffnessReportCells empty;
    const StiffnessReportCells &run = cells ? *cells : empty;
    for (int c = 0; c < ReportLayouts::StiffyColumnCount; ++c)
        stiffy.setText(ReportLayouts::stiffyDataName(c), run.columns[size_t(c)]);
    const bool hidden = !cells || run.averagesHidden;
    stiffy.setSuppress(QStringLiteral("AvgLabel"), hidden);
    for (int r = 0; r < int(run.averages.size()); ++r) {
        stiffy.setText(ReportLayouts::stiffyAverageName(r), run.averages[size_t(r)]);
        SetCellBorders(stiffy, ReportLayouts::stiffyAverageName(r), r + 1, hidden);
    }
    stiffy.setText(QStringLiteral("Moisture"), run.moistureContent);
    stiffy.setText(QStringLiteral("DensityPcf"), run.densityPcf);
    stiffy.setText(QStringLiteral("DensityKg"), run.densityKgPerM3);
}

} // namespace valtrane::report
