// Rows through the Recordset layer against a bare prepared INSERT of the same rows.
#include "Bench.h"

#include "common/AppPaths.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace valtrane;

namespace {

constexpr int Rows = 100000;

void freshTable(const AppPaths &paths, db::Database &database)
{
    db::CreateDatabase creator(paths);
    creator.Create();
    database.open(paths.database());
    QString name = QStringLiteral("P125");
    creator.AddTable(name, db::Ng7700bProjectTable, &database);
}

double throughRecordset(const AppPaths &paths)
{
    db::Database database;
    freshTable(paths, database);
    return bench::seconds([&] {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM P125"));
        for (int n = 1; n <= Rows; ++n) {
            rs->addNew();
            rs->setField(u"RDNUM", QString::number(n));
            rs->setField(u"Time", QStringLiteral("12:30"));
            rs->setField(u"STAT1TO", QStringLiteral("1+00"));
            rs->setField(u"STAT1", QStringLiteral("10+50"));
            rs->setField(u"Offset", QStringLiteral("5R"));
            rs->setField(u"STAT2", QStringLiteral("2"));
            rs->setField(u"LANE", QStringLiteral("1"));
            rs->setField(u"DPT", QStringLiteral("6"));
            rs->setField(u"SA", QStringLiteral("S"));
            rs->setField(u"ADJ", QStringLiteral("0.0"));
            rs->setField(u"DC", QStringLiteral("2345"));
            rs->setField(u"MC", QStringLiteral("456"));
            rs->setField(u"AV", QStringLiteral("4.5"));
            rs->setField(u"WD", QStringLiteral("128.4"));
            rs->setField(u"DD", QStringLiteral("118.2"));
            rs->setField(u"M", QStringLiteral("10.2"));
            rs->setField(u"PERCM", QStringLiteral("8.6"));
            rs->setField(u"PERC_COMP", QStringLiteral("96.5"));
            rs->setField(u"VR", QStringLiteral("A"));
            rs->update();
        }
        database.close();
    });
}

double bareInsert(const AppPaths &paths)
{
    db::Database database;
    freshTable(paths, database);
    database.close();
    return bench::seconds([&] {
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
            raw.setDatabaseName(paths.database());
            raw.open();
            QSqlQuery pragma(raw);
            pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
            raw.transaction();
            QSqlQuery q(raw);
            q.prepare(QStringLiteral("INSERT INTO P125 (RDNUM,TIME,STAT1TO,STAT1,OFFSET,STAT2,LANE,DPT,SA,ADJ,DC,MC,AV,WD,DD,M,PERCM,PERC_COMP,VR) "
                                     "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            for (int n = 1; n <= Rows; ++n) {
                const QVariantList values{n, QStringLiteral("12:30"), QStringLiteral("1+00"), QStringLiteral("10+50"), QStringLiteral("5R"),
                                          QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("S"), 0.0,
                                          2345.0, 456.0, double(4.5f), double(128.4f), double(118.2f), double(10.2f),
                                          double(8.6f), double(96.5f), QStringLiteral("A")};
                for (int i = 0; i < values.size(); ++i)
                    q.bindValue(i, values[i]);
                q.exec();
            }
            raw.commit();
            q.finish();
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    });
}

const bench::Register databaseBench("database: 100,000 rows into an NG7700B project table", [](bench::BenchReport &report) {
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    paths.ensureInfoFolder();
    const double bare = bareInsert(paths);
    const double layer = throughRecordset(paths);
    report.figure(QStringLiteral("bare prepared INSERT, one transaction"), bare, QStringLiteral("s"));
    report.figure(QStringLiteral("Recordset addNew/setField x19/update"), layer, QStringLiteral("s"));
    report.figure(QStringLiteral("Recordset rows per second"), Rows / layer, QStringLiteral("rows/s"));
    report.ratio(QStringLiteral("Recordset / bare insert"), layer, bare, 1.5);
});

} // namespace
