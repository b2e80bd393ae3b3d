#include "screens/ui/ReportPictures.h"

#include "common/Prompter.h"
#include "db/Database.h"
#include "report/ColumnObjects.h"
#include "report/ReportColumns.h"
#include "report/ReportImages.h"
#include "report/ReportRenderer.h"
#include "report/ReportSetup.h"

#include <QTextStream>

namespace valtrane::screens {

namespace {

constexpr double PictureDotsPerInch = 110;

class QuietPrompter : public Prompter {
public:
    Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::No; }
};

// A usual choice of columns per model, left to right.
QStringList pictureColumns(int deviceCode)
{
    switch (deviceCode) {
    case NG7700A:
        return {"Read Date", "Stat", "Offset", "Depth", "Soil/Asph", "D Cnt", "M Cnt", "Wet Dens", "Dry Dens", "Wat", "%Wat", "%Comp"};
    case NG7700B:
        return {"Time",  "Stat1 To", "Stat1",    "Offset",   "Stat2",  "Lane",    "Depth", "Soil/Asph",
                "D Cnt", "M Cnt",    "Wet Dens", "Dry Dens", "M Cont", "%M Cont", "%Comp"};
    case SG2150: return {"Frequency", "Noise Data", "Signal Data", "Noise Overload Flag", "Signal Overload Flag"};
    default: return report::ColumnObjects::entries(deviceCode).mid(1);
    }
}

bool writePage(const report::ReportDocument &document, const QString &fileName)
{
    const report::ReportRenderer renderer(document);
    const bool ok = report::reportPageImage(renderer, 1, PictureDotsPerInch).save(fileName);
    QTextStream(stdout) << fileName << "\n";
    return ok;
}

} // namespace

bool writeReportPictures(const AppPaths &paths, AppState &state, const QString &name, const QDir &out)
{
    db::Database database;
    if (!database.open(paths.database()))
        return false;
    state.CInfo = {QStringLiteral("Quarry Road Testing Laboratory"), QStringLiteral("1200 Quarry Road"),
                   QStringLiteral("Springfield, IL 62701"), QStringLiteral("Phone (217) 555-0142"),
                   QStringLiteral("Fax (217) 555-0143"), QStringLiteral("lab@quarryroad.example"),
                   QStringLiteral("Route 66 Widening"), QStringLiteral("M-1042"), QStringLiteral("J. Alvarez")};
    const QString table = state.CurrentTable;
    const QString surface = state.CurrentSurface.left(1);
    report::ReportSet reports;
    report::ReportSetup setup(reports, database, paths, state);
    setup.setUp(table, state.DeviceCode);
    setup.FillAverages(table, surface, state.DeviceCode);
    report::ReportColumns columns(reports.Report, reports.columns, database, state.DeviceCode, state.ReportFontSize);
    QuietPrompter prompter;
    int position = 0;
    for (const QString &entry : pictureColumns(state.DeviceCode)) {
        columns.placeColumnObject(position, entry, table, surface, prompter);
        position += report::ColumnObjects::isGroup(entry) ? 4 : 1;
    }
    columns.ShowPlaceholderColumns(true);
    bool ok = writePage(reports.Report, out.filePath(name + QStringLiteral("-report.png")));
    if (state.DeviceCode == SG2150)
        ok = writePage(reports.StiffyReport, out.filePath(name + QStringLiteral("-stiffness.png"))) && ok;
    return ok;
}

} // namespace valtrane::screens
