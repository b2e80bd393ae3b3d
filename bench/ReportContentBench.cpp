// A report of an NG7700B project of 2,000 readings with 17 columns, from the database to a PDF
// file, against a limit of one second; the shares of the database, the filling and the drawing.
#include "Bench.h"

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "report/ColumnObjects.h"
#include "report/ReportColumns.h"
#include "report/ReportExport.h"
#include "report/ReportSetup.h"

#include <algorithm>

using namespace valtrane;

namespace {

constexpr int Readings = 2000;
constexpr int Columns = 17;

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

void fillProject(const AppPaths &paths)
{
    db::CreateDatabase creator(paths);
    creator.Create();
    db::Database database;
    database.open(paths.database());
    QString name = QStringLiteral("P125");
    creator.AddTable(name, db::Ng7700bProjectTable, &database);
    auto rs = database.openRecordset(QStringLiteral("SELECT * FROM P125"));
    for (int n = 0; n <= Readings; ++n) {
        rs->addNew();
        rs->setField(u"RDNUM", n);
        rs->setField(u"ID", QStringLiteral("12.5"));
        rs->setField(u"SERNUM", QStringLiteral("5678"));
        rs->setField(u"Time", QStringLiteral("12:30"));
        rs->setField(u"STAT1", QStringLiteral("10+%1").arg(n % 100));
        rs->setField(u"SA", QStringLiteral("S"));
        rs->setField(u"DC", 2300 + n % 97);
        rs->setField(u"WD", 120.0 + (n % 13) * 0.7);
        rs->setField(u"DD", 110.0 + (n % 11) * 0.6);
        rs->setField(u"M", 9.5 + (n % 7) * 0.3);
        rs->setField(u"PERCM", 8.0 + (n % 5) * 0.2);
        rs->setField(u"PERC_COMP", 95.0 + (n % 9) * 0.4);
        rs->update();
    }
    database.close();
}

// The reads the report makes: the reading numbers, the averages and the placed columns each walk
// the selected readings once.
double databaseReads(db::Database &database)
{
    const QString sql = report::ReportColumns::selectionSql(NG7700B, QStringLiteral("125"), QStringLiteral("S"));
    return bench::seconds([&] {
        for (int pass = 0; pass < 3; ++pass) {
            auto rs = database.openRecordset(sql);
            for (rs->moveFirst(); !rs->isEOF(); rs->moveNext())
                rs->field(u"WD");
        }
    });
}

void run(bench::BenchReport &report)
{
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    paths.ensureInfoFolder();
    fillProject(paths);
    AppState state;
    state.DeviceCode = NG7700B;
    db::Database database;
    database.open(paths.database());
    const double reads = databaseReads(database);

    report::ReportSet reports;
    SilentPrompter prompter;
    const double filling = bench::seconds([&] {
        report::ReportSetup setup(reports, database, paths, state);
        setup.setUp(QStringLiteral("125"), NG7700B);
        setup.FillAverages(QStringLiteral("125"), QStringLiteral("S"), NG7700B);
        report::ReportColumns columns(reports.Report, reports.columns, database, NG7700B, 9);
        const QStringList entries = report::ColumnObjects::entries(NG7700B).mid(1);
        for (int i = 0; i < Columns; ++i)
            columns.placeColumnObject(i, entries[i], QStringLiteral("125"), QStringLiteral("S"), prompter);
        columns.ShowPlaceholderColumns(true);
    });
    report::ReportExportOptions options;
    options.diskFileName = dir.filePath(QStringLiteral("report.pdf"));
    const double drawing = bench::seconds([&] { report::ReportExport().exportReport(reports.Report, options); });

    const double total = filling + drawing;
    const double fillingAlone = std::max(0.0, filling - reads);
    report.figure(QStringLiteral("database reads of the report"), reads, QStringLiteral("s"));
    report.figure(QStringLiteral("filling, without the database reads"), fillingAlone, QStringLiteral("s"));
    report.figure(QStringLiteral("drawing the PDF"), drawing, QStringLiteral("s"));
    report.figure(QStringLiteral("pages"), reports.Report.pageCount(), QString());
    report.figure(QStringLiteral("share: database"), 100 * reads / total, QStringLiteral("%"));
    report.figure(QStringLiteral("share: filling"), 100 * fillingAlone / total, QStringLiteral("%"));
    report.figure(QStringLiteral("share: drawing"), 100 * drawing / total, QStringLiteral("%"));
    report.ratio(QStringLiteral("database to PDF against 1 s"), total, 1.0, 1.0);
}

const bench::Register registered("report: NG7700B, 2000 readings, 17 columns, to PDF", run);

} // namespace
