// Saving a project of about 10 MB of text for each gauge model, next to opening the saved file
// again (which runs it through the gauge parser into a new database).
#include "Bench.h"

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "project/ProjectOpen.h"
#include "project/ProjectSave.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"

#include <QFileInfo>
#include <functional>

using namespace valtrane;

namespace {

// One table's rows: field names and, for row n, the values.
struct Filler {
    int kind;
    QStringList fields;
    std::function<QVariantList(int table, int n)> row;
};

Filler fillerFor(int model)
{
    switch (model) {
    case NG7700A:
        return {db::Ng7700aProjectTable,
                {"RDNUM", "RDATE", "ID", "STAT", "Offset", "DPT", "SA", "KVAL", "PADJ", "DSTD", "MSTD", "DCNT", "MCNT", "SPG", "PAV",
                 "MAXD", "WETD", "DRYD", "WAT", "PWAT", "PAC", "Dens", "PCOMP", "SERNUM", "CDATE"},
                [](int t, int n) {
                    const bool asphalt = n % 5 == 0;
                    const QVariant none;
                    return QVariantList{n, "01/16/06", t + 1, 1000 + n, (n % 9) - 4.5, asphalt ? "BS" : "6", asphalt ? "A" : "S", 0.0, 0.0,
                                        2815, 652, 1800 + n % 97, 100 + n % 31, 2.7, 3, 128.5,
                                        asphalt ? none : 125 + (n % 13) * 0.5, asphalt ? none : 115 + (n % 11) * 0.5,
                                        asphalt ? none : 12 + (n % 7) * 0.1, asphalt ? none : 10 + (n % 5) * 0.1,
                                        asphalt ? QVariant(5.5) : none, asphalt ? QVariant(143.5 + (n % 7) * 0.1) : none,
                                        92 + (n % 9) * 0.1, 23817, "03/14/05"};
                }};
    case NG7700B:
        return {db::Ng7700bProjectTable,
                {"RDNUM", "Time", "STAT1TO", "STAT1", "Offset", "STAT2", "LANE", "DPT", "SA", "ADJ", "DC", "MC", "AV", "WD", "DD", "M",
                 "PERCM", "PERC_COMP", "VR", "ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD"},
                [](int t, int n) {
                    if (n == 0)
                        return QVariantList{0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
                                            t + 1, 31560, "06/21/05", "01/16/06", 2815, 652, 0, 2.7, 128.5, 95};
                    return QVariantList{n, "09:12", "0+00", "10+50", "5R", "12+00", 1, 6, "S", 0.0, 1800 + n % 97, 100 + n % 31, 3.1,
                                        125 + (n % 13) * 0.5, 115 + (n % 11) * 0.5, 12.3, 10.3, 92 + (n % 9) * 0.1, "OK"};
                }};
    case SG2150:
        return {db::StiffnessRunTable,
                {"BIN_NUMBER", "FREQUENCY", "REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND", "IMAG_FORCE_ND", "REAL_DISPL_SD",
                 "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD", "NOISE_OL_FLAG", "SIGNL_OL_FLAG", "DSNR", "FSNR", "RUN_NUMBER",
                 "MEASURE", "CALFACTOR", "DATE", "TIME"},
                [](int t, int n) {
                    if (n == 0)
                        return QVariantList{0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, t + 1, 1.0, 0.9871, "01/16/06", "09:45:12"};
                    return QVariantList{n, 100 + 4 * n, -69 - n % 300, -246 + n % 200, 4 + n % 50, 266 - n % 90, 8395 + n % 1000,
                                        -17112 + n % 700, 2681 - n % 400, -1612 - n % 300, 0, 0, 21.9 + (n % 10), 31.7 - (n % 10)};
                }};
    default:
        return {db::LoggerTestTable,
                {"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"},
                [](int, int n) {
                    return QVariantList{n, QStringLiteral("%1:%2:00").arg(n / 60 % 100, 2, 10, QChar('0')).arg(n % 60, 2, 10, QChar('0')),
                                        n * 1.25, n * 0.0025, 0.0125, 0.0, "LOAD", "PENETRATN", "SWELL", "()"};
                }};
    }
}

// Tables and rows per table giving about 10 MB of text, and each table's name.
struct Shape {
    int tables;
    int rows;
    std::function<QString(int)> name;
    std::function<QString(int)> listName;
};

Shape shapeFor(int model)
{
    switch (model) {
    // Reading numbers stay below 1000: the fixed report leaves no blank before a fourth digit.
    case NG7700A: return {80, 999, [](int t) { return QStringLiteral("P%1").arg(t + 1); }, [](int t) { return QString::number(t + 1); }};
    case NG7700B: return {10, 6800, [](int t) { return QStringLiteral("P%1").arg(t + 1); }, [](int t) { return QString::number(t + 1); }};
    case SG2150: return {20, 6400, [](int t) { return QStringLiteral("RUN%1").arg(t + 1); }, [](int t) { return QStringLiteral("RUN%1").arg(t + 1); }};
    default: return {5, 28000, [](int t) { return QStringLiteral("CBR_LBR%1").arg(t + 1); }, [](int t) { return QStringLiteral("CBR_LBR%1").arg(t + 1); }};
    }
}

// Fills a new database with the model's project and returns its table list.
QString fillProject(const AppPaths &paths, int model)
{
    db::CreateDatabase creator(paths);
    creator.Create();
    db::Database database;
    database.open(paths.database());
    const Filler filler = fillerFor(model);
    const Shape shape = shapeFor(model);
    const int first = model == NG7700B || model == SG2150 ? 0 : 1;
    QString list;
    for (int t = 0; t < shape.tables; ++t) {
        QString name = shape.name(t);
        creator.AddTable(name, filler.kind, &database);
        list += shape.listName(t) + QLatin1Char(' ');
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + name);
        for (int n = first; n <= shape.rows; ++n) {
            const QVariantList values = filler.row(t, n);
            rs->addNew();
            for (int i = 0; i < values.size(); ++i) {
                if (!values[i].isNull())
                    rs->setField(filler.fields[i], values[i]);
            }
            rs->update();
        }
    }
    return list;
}

int rowCount(const AppPaths &paths)
{
    db::Database database;
    database.open(paths.database());
    int rows = 0;
    for (const QString &table : database.tableNames()) {
        if (const auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table))
            rows += rs->recordCount();
    }
    return rows;
}

void measure(bench::BenchReport &report, int model, const char *modelName)
{
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    paths.ensureInfoFolder();
    AppState state;
    state.DeviceCode = model;
    state.Table_List = fillProject(paths, model);
    const int rows = rowCount(paths);
    const QString file = dir.path() + QStringLiteral("/project.txt");

    project::ProjectSave::Outcome saved = project::ProjectSave::Outcome::Failed;
    const double save = bench::seconds([&] {
        db::Database connection;
        saved = project::ProjectSave(paths, state).saveAll(connection, file, true).outcome;
    });
    const double megabytes = double(QFileInfo(file).size()) / 1e6;
    bool opened = false;
    const double open = bench::seconds([&] { opened = project::ProjectOpen::open(paths, state, file).opened; });
    if (saved != project::ProjectSave::Outcome::Saved || !opened || rowCount(paths) != rows) {
        report.out() << "  " << modelName << ": the project did not come back whole from its text file\n";
        return;
    }
    const QString m = QString::fromLatin1(modelName);
    report.figure(m + QStringLiteral(" project text"), megabytes, QStringLiteral("MB"));
    report.figure(m + QStringLiteral(" rows"), rows, QString());
    report.figure(m + QStringLiteral(" save"), save, QStringLiteral("s"));
    report.figure(m + QStringLiteral(" save rate"), megabytes / save, QStringLiteral("MB/s"));
    report.figure(m + QStringLiteral(" open the saved file"), open, QStringLiteral("s"));
    report.ratio(m + QStringLiteral(" save / open"), save, open, 1.0);
}

const bench::Register projectFileBench("project text files: save about 10 MB per gauge model, then open it again", [](bench::BenchReport &report) {
    measure(report, LD4800, "LD4800");
    measure(report, NG7700A, "NG7700A");
    measure(report, NG7700B, "NG7700B");
    measure(report, SG2150, "SG2150");
});

} // namespace
