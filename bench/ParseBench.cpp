// Opening a 10 MB project file through valtrane-cli open, against a bare bulk insert of the rows it
// stored, in the same run; each the fastest of three.
#include "Bench.h"

#include "common/AppPaths.h"
#include "db/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <memory>

using namespace valtrane;

namespace {

constexpr qsizetype StreamBytes = 10 * 1024 * 1024;

// NG7700B: projects of 500 comma-separated readings each, closed by the report's end line.
QByteArray ng7700bProject()
{
    QByteArray out = " 2 \r\nCOMPACTION CONTROL DATA REPORT NG-7700B SERIAL: 31560 CALIBRATION DATE: 06/21/05 \r\n\r\n";
    int project = 0;
    while (out.size() < StreamBytes) {
        ++project;
        out += " \r\nPROJECT ID: " + QByteArray::number(project) + ".1 DATE: 01/16/06 D STD=2815 M STD=652 KVAL=0  SPG=2.7 MAXD=128.5 LOWD=95\r\n \r\n";
        out += "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     DD,      M,     %M,  %COMP,     VR\r\n";
        for (int rd = 1; rd <= 500; ++rd) {
            out += QByteArray::number(rd).rightJustified(4) + ", 09:12,     0+00,  10+50,     5R,  12+00,    1,   6,   S,    0.0,     "
                   + QByteArray::number(1800 + rd % 97) + ",      " + QByteArray::number(100 + rd % 31) + ",    3.1,  "
                   + QByteArray::number(125 + (rd % 100) / 10.0, 'f', 1) + ",  118.9,   12.3,   10.3,   92.5,     OK\r\n";
        }
    }
    return out + " B   .\r\n";
}

// LD4800: tests of 10,000 readings each, kinds taken in turn.
QByteArray ld4800Project()
{
    static const char *const headings[] = {"CBR/LBR TEST", "MARSHALL TEST", "U.C. TEST", "TRIAXIAL TEST", "SOIL CEMENT TEST", "DIRECT SHEAR TEST"};
    QByteArray out = " 0 \r\n";
    for (int test = 0; out.size() < StreamBytes; ++test) {
        out += QByteArray(headings[test % 6]) + "\r\n\r\nRD #,     TIME,       LOAD,   PENETRATN,       SWELL,             ()\r\n";
        for (int rd = 1; rd <= 10000; ++rd) {
            out += QByteArray::number(rd).rightJustified(4) + ", 00:" + QByteArray::number(rd / 60 % 60).rightJustified(2, '0') + ":"
                   + QByteArray::number(rd % 60).rightJustified(2, '0') + ",  " + QByteArray::number(rd * 0.25, 'f', 4).rightJustified(9)
                   + ",      " + QByteArray::number(rd * 0.0025, 'f', 4) + ",      0.0125,         0.0000\r\n";
        }
        out += "END\r\n\r\n";
    }
    return out;
}

struct StoredRows {
    std::vector<std::pair<QString, QString>> tables;  // name, CREATE TABLE text
    std::vector<std::vector<QVariantList>> rows;      // per table
    qint64 count = 0;
};

StoredRows readBack(const QString &path)
{
    StoredRows stored;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("readback"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery tables(db);
        tables.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table'"));
        while (tables.next())
            stored.tables.emplace_back(tables.value(0).toString(), tables.value(1).toString());
        for (const auto &table : stored.tables) {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(table.first));
            std::vector<QVariantList> rows;
            while (q.next()) {
                QVariantList row;
                for (int i = 0; i < q.record().count(); ++i)
                    row.append(q.value(i));
                rows.push_back(row);
            }
            stored.count += qint64(rows.size());
            stored.rows.push_back(std::move(rows));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("readback"));
    return stored;
}

// The same rows into the same tables of a new file: one transaction, one prepared INSERT per table.
double bareInsert(const QString &path, const StoredRows &stored)
{
    db::Database::removeFile(path);
    db::Database::createFile(path);
    double elapsed = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        for (const auto &table : stored.tables)
            pragma.exec(table.second);
        elapsed = bench::seconds([&] {
            db.transaction();
            for (size_t t = 0; t < stored.tables.size(); ++t) {
                if (stored.rows[t].empty())
                    continue;
                const qsizetype columns = stored.rows[t].front().size();
                QStringList marks(columns, QStringLiteral("?"));
                QSqlQuery q(db);
                q.prepare(QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(stored.tables[t].first, marks.join(QLatin1Char(','))));
                for (const QVariantList &row : stored.rows[t]) {
                    for (int i = 0; i < row.size(); ++i)
                        q.bindValue(i, row[i]);
                    q.exec();
                }
            }
            db.commit();
        });
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    return elapsed;
}

// The fastest of a few runs of each, so that another program's load on the machine counts less.
constexpr int Repeats = 3;

void openFigures(bench::BenchReport &report, const QByteArray &project)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("project.txt"));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(project);
    out.close();

    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/valtrane-cli");
    // Each open starts in a program folder of its own, on no earlier database.
    std::unique_ptr<AppPaths> paths;
    double open = 0;
    for (int i = 0; i < Repeats; ++i) {
        paths = std::make_unique<AppPaths>(dir.filePath(QStringLiteral("home%1").arg(i)));
        paths->ensureInfoFolder();
        QProcess process;
        const double t = bench::seconds([&] {
            process.start(cli, {QStringLiteral("--home"), paths->programFolder(), QStringLiteral("open"), file});
            process.waitForFinished(-1);
        });
        if (process.exitCode() != 0) {
            report.out() << "  valtrane-cli open failed: " << process.readAllStandardError() << "\n";
            return;
        }
        open = i == 0 ? t : std::min(open, t);
    }
    const StoredRows stored = readBack(paths->database());
    double bare = 0;
    for (int i = 0; i < Repeats; ++i) {
        const double t = bareInsert(dir.filePath(QStringLiteral("bare.vkd")), stored);
        bare = i == 0 ? t : std::min(bare, t);
    }
    const double megabytes = double(project.size()) / (1024.0 * 1024.0);
    report.figure(QStringLiteral("valtrane-cli open, %1 MB, %2 tables").arg(megabytes, 0, 'f', 1).arg(stored.tables.size()), open, QStringLiteral("s"));
    report.figure(QStringLiteral("stream text"), megabytes / open, QStringLiteral("MB/s"));
    report.figure(QStringLiteral("rows stored (%1)").arg(stored.count), double(stored.count) / open, QStringLiteral("rows/s"));
    report.figure(QStringLiteral("bare bulk insert of the same rows"), bare, QStringLiteral("s"));
    report.ratio(QStringLiteral("open / bare insert"), open, bare, 2.0);
}

const bench::Register ng7700bBench("parse: valtrane-cli open of a 10 MB NG7700B project", [](bench::BenchReport &report) {
    openFigures(report, ng7700bProject());
});

const bench::Register ld4800Bench("parse: valtrane-cli open of a 10 MB LD4800 project", [](bench::BenchReport &report) {
    openFigures(report, ld4800Project());
});

} // namespace
