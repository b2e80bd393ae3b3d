#include "export/ExportHandler.h"

#include "common/VbConvert.h"
#include "db/Database.h"
#include "export/Writeout.h"
#include "export/WriteoutStiffy.h"
#include "report/StiffnessReportCells.h"

#include <QDir>

namespace valtrane::exporting {

namespace {

int pageNumber(const QString &text)
{
    return vb::toLong(text).value_or(1);
}

} // namespace

ExportHandler::ExportHandler(const AppPaths &paths, AppState &state, const ExportChoices &choices, Prompter &prompter,
                             ExportReports &reports)
    : m_paths(paths)
    , m_state(state)
    , m_choices(choices)
    , m_prompter(prompter)
    , m_reports(reports)
{
}

bool ExportHandler::afterDialog(db::Database &connection, ReportOnScreen shown)
{
    m_error.clear();
    m_written.clear();
    if (!m_state.ExportConfirmed)
        return true;
    m_state.CsvReport = m_state.DeviceCode == NG7700A;
    const bool ok = run(connection, shown);
    m_state.CsvReport = false;
    m_state.ExportConfirmed = false;
    return ok;
}

bool ExportHandler::run(db::Database &connection, ReportOnScreen shown)
{
    m_error.clear();
    m_written.clear();
    setDestinations(shown);
    const QString format = m_choices.ExportFormatChoice;
    if (format == QLatin1String("CSV"))
        return writeCsv(connection, shown);
    setPages();
    const int type = format == QLatin1String("PDF") ? report::PdfFormat : report::ExactRichTextFormat;
    for (report::ReportExportOptions &options : m_options)
        options.formatType = type;
    return exportReports(shown);
}

void ExportHandler::setDestinations(ReportOnScreen shown)
{
    const ExportChoices &choices = m_choices;
    const bool disk = choices.ExportDestChoice != QLatin1String("APPLICATION");
    for (report::ReportExportOptions &options : m_options)
        options.destinationType = disk ? report::DiskFileDestination : report::ApplicationDestination;
    if (!disk)
        return;
    const bool both = m_state.DeviceCode == SG2150 && choices.ExportWhatChoice == QLatin1String("ALL");
    if (both || shown == ReportOnScreen::Main)
        optionsOf(ReportOnScreen::Main).diskFileName = choices.RawExportFile;
    if (both || shown == ReportOnScreen::Stiffness)
        optionsOf(ReportOnScreen::Stiffness).diskFileName = choices.StiffnessExportFile;
}

void ExportHandler::setPages()
{
    const ExportChoices &choices = m_choices;
    const bool all = choices.ExportRangeChoice == QLatin1String("ALL");
    for (report::ReportExportOptions &options : m_options) {
        options.allPages = all;
        if (!all) {
            options.firstPage = pageNumber(choices.ExportRangeFirst);
            options.lastPage = pageNumber(choices.ExportRangeLast);
        }
    }
}

bool ExportHandler::writeCsv(db::Database &connection, ReportOnScreen shown)
{
    if (!connection.isOpen() && !connection.open(m_paths.database()))
        return fail(QStringLiteral("The database cannot be opened: %1").arg(connection.lastError()));
    const bool all = m_choices.ExportWhatChoice == QLatin1String("ALL");
    bool ok = true;
    if (all ? m_state.DeviceCode == SG2150 : shown == ReportOnScreen::Stiffness)
        ok = writeStiffnessSummary(connection);
    // A summary that could not be written does not keep the raw data from being written.
    if (all || shown == ReportOnScreen::Main)
        ok = writeRawData(connection) && ok;
    return ok;
}

bool ExportHandler::writeStiffnessSummary(db::Database &connection)
{
    const QString fileName = optionsOf(ReportOnScreen::Stiffness).diskFileName;
    if (fileName.isEmpty())
        return fail(QStringLiteral("There is no stiffness data export file name."));
    const auto cells = report::StiffnessReportCells::build(connection, m_state.CurrentTable, m_state.StiffnessConstants);
    if (!cells)
        return fail(QStringLiteral("%1 is not a stiffness run.").arg(m_state.CurrentTable));
    // The summary writer tells the user itself when the file cannot be written.
    if (!writeoutStiffy(*cells, fileName, m_prompter))
        return false;
    m_written.append(fileName);
    return true;
}

bool ExportHandler::writeRawData(db::Database &connection)
{
    const QString fileName = optionsOf(ReportOnScreen::Main).diskFileName;
    if (fileName.isEmpty())
        return fail(QStringLiteral("There is no raw data export file name."));
    // The writer writes nothing at all for an empty list, so that is a failure here.
    if (m_state.Table_List.trimmed().isEmpty())
        return fail(QStringLiteral("There are no tables to export."));
    Writeout writer(m_paths);
    if (!writer.writeout(connection, fileName, m_state.Table_List, m_state.DeviceCode, m_state.CurrentTable, m_state))
        return fail(QStringLiteral("The raw data could not be exported: %1").arg(writer.errorText()));
    m_written.append(fileName);
    return true;
}

bool ExportHandler::exportReports(ReportOnScreen shown)
{
    if (m_choices.ExportWhatChoice != QLatin1String("ALL"))
        return exportReport(shown);
    if (!exportReport(ReportOnScreen::Main))
        return false;
    return m_state.DeviceCode != SG2150 || exportReport(ReportOnScreen::Stiffness);
}

bool ExportHandler::exportReport(ReportOnScreen which)
{
    const report::ReportExportOptions &options = optionsOf(which);
    const QString name = which == ReportOnScreen::Main ? QStringLiteral("report") : QStringLiteral("stiffness report");
    const bool disk = options.destinationType == report::DiskFileDestination;
    if (disk && options.diskFileName.isEmpty())
        return fail(QStringLiteral("There is no file name to export the %1 to.").arg(name));
    QString reason;
    if (!m_reports.exportReport(which, options, reason)) {
        const QString target = disk ? QDir::toNativeSeparators(options.diskFileName) : QStringLiteral("the application");
        return fail(QStringLiteral("The %1 could not be exported to %2. %3").arg(name, target, reason).trimmed());
    }
    if (disk)
        m_written.append(options.diskFileName);
    return true;
}

bool ExportHandler::fail(const QString &message)
{
    m_error = message;
    return false;
}

} // namespace valtrane::exporting
