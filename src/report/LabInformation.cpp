#include "report/LabInformation.h"

#include "report/InfoFile.h"

namespace valtrane::report {

namespace {

bool filled(const QString &text)
{
    return text != AppState::EmptyInfo();
}

} // namespace

void LabInformation::copyToReport(const AppState &state, ReportDocument &report)
{
    const auto &info = state.CInfo;
    if (filled(info[0]))
        report.setText(QStringLiteral("Company"), info[0]);
    if (filled(info[1])) {
        // Address, city, phone, fax and email, one a line; lines not filled in are left out.
        QString lines = QStringLiteral(" ");
        for (size_t i = 1; i <= 5; ++i)
            if (filled(info[i]))
                lines += info[i] + QLatin1Char('\r');
        report.setText(QStringLiteral("Companyinfo"), lines);
    }
    const char *const objects[] = {"ProjNameText", "MachNoText", "TestedByText"};
    for (size_t i = 0; i < 3; ++i)
        if (filled(info[6 + i]))
            report.setText(QString::fromLatin1(objects[i]), info[6 + i]);
}

void LabInformation::copyToReports(const AppState &state, ReportSet &reports)
{
    copyToReport(state, reports.Report);
    copyToReport(state, reports.StiffyReport);
}

bool LabInformation::save(const AppPaths &paths, AppState &state, ReportSet *reports)
{
    // The reports show what was entered even when the file cannot be written; the flag stays so
    // that leaving the program asks again.
    if (reports)
        copyToReports(state, *reports);
    if (!InfoFile::write(paths, state))
        return false;
    state.InformationChanged = false;
    return true;
}

} // namespace valtrane::report
