#include "DbTestSupport.h"
#include "common/AppState.h"
#include "db/DatabaseLock.h"
#include "db/TableKinds.h"
#include "link/PseudoTerminal.h"
#include "parse/SampleStreams.h"
#include "support/TableRows.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace valtrane;
using valtrane::test::DatabaseFixture;

TEST(CreateDatabase, CreateMakesANewEmptyFile)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    EXPECT_EQ(creator.Create(), 0);
    db::Database database;
    ASSERT_TRUE(database.open(home.paths().database()));
    EXPECT_TRUE(database.tableNames().isEmpty());
}

TEST(CreateDatabase, CreateReplacesTheOldFileAndItsTables)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    ASSERT_EQ(creator.Create(), 0);
    QString name = "RUN1";
    ASSERT_EQ(creator.AddTable(name, db::StiffnessRunTable), 0);
    EXPECT_EQ(creator.Create(), 0);
    db::Database database;
    ASSERT_TRUE(database.open(home.paths().database()));
    EXPECT_TRUE(database.tableNames().isEmpty());
}

TEST(CreateDatabase, CreateLeavesAnOldFileThatCannotBeDeleted)
{
    test::TempHome home;
    // A folder in the database's place cannot be deleted as a file.
    QDir(home.path()).mkpath("info/MIRVAT.vkd/held");
    db::CreateDatabase creator(home.paths());
    EXPECT_EQ(creator.Create(), 0);
    EXPECT_TRUE(QDir(home.path() + "/info/MIRVAT.vkd/held").exists());
}

TEST(CreateDatabase, CreateReports909WhenNoFileCanBeMade)
{
    test::TempHome home;
    QDir(home.path()).rmdir("info");
    home.writeFile("info", "a file where the info folder should be");
    db::CreateDatabase creator(home.paths());
    EXPECT_EQ(creator.Create(), 909);
}

TEST(CreateDatabase, CreateTellsAFailedCreationFromAFileMissingAfterwards)
{
    struct Case {
        const char *what;
        bool makesFile;
        bool succeeds;
        int expected;
    };
    const std::vector<Case> cases{
        {"made and closed", true, true, 0},
        {"creating failed", false, false, 909},
        {"closing failed", true, false, 909},
        {"made, yet gone afterwards", false, true, 910},
    };
    for (const Case &c : cases) {
        test::TempHome home;
        db::CreateDatabase creator(home.paths(), [&c](const QString &path) {
            if (c.makesFile && !db::Database::createFile(path))
                return false;
            return c.succeeds;
        });
        EXPECT_EQ(creator.Create(), c.expected) << c.what;
    }
}

TEST_F(DatabaseFixture, CreateLeavesTheDatabaseWhileAConnectionHasItOpen)
{
    addTable("RUN1", db::StiffnessRunTable);
    ASSERT_TRUE(addRow("RUN1", {{"BIN_NUMBER", 0}}));
    db::CreateDatabase creator(home.paths());
    EXPECT_EQ(creator.Create(), 0);
    EXPECT_EQ(test::tableRows(home.paths(), "RUN1").size(), 1u);
    database.close();
    EXPECT_EQ(creator.Create(), 0);
    EXPECT_TRUE(test::tableNames(home.paths()).isEmpty());
}

#ifdef Q_OS_UNIX
// valtrane-cli downloads from a gauge on a pseudo-terminal while this program makes its database
// anew: the download keeps its file and every row it writes.
TEST(CreateDatabase, CreateLeavesTheDatabaseAnotherProgramIsDownloadingInto)
{
    test::TempHome home;
    link::PseudoTerminal gauge;
    ASSERT_TRUE(gauge.isOpen());
    QProcess download;
    download.start(test::cliPath(), {"--home", home.path(), "download", "--port", gauge.slavePath(), "--model", "NG7700B"});
    ASSERT_TRUE(gauge.waitForSlave(true, 30000));
    // The gauge sends a moment after the program opened the line, as after START and PRINT.
    QThread::msleep(500);
    const QByteArray stream = parse::sampleStream(NG7700B);
    const qsizetype half = stream.size() / 2;
    ASSERT_EQ(gauge.write(stream.left(half), 10000), half);
    const QString lock = home.paths().lockFile();
    QDeadlineTimer deadline(30000);
    while (!db::DatabaseLock::isLocked(lock) && !deadline.hasExpired())
        QThread::msleep(10);
    ASSERT_TRUE(db::DatabaseLock::isLocked(lock));

    EXPECT_EQ(db::CreateDatabase(home.paths()).Create(), 0);

    ASSERT_EQ(gauge.write(stream.mid(half), 10000), stream.size() - half);
    ASSERT_TRUE(download.waitForFinished(60000));
    EXPECT_EQ(download.exitCode(), 0) << download.readAllStandardError().constData();
    EXPECT_TRUE(download.readAllStandardOutput().contains("Table_List: 12.4 7 15.2 \n"));
    for (const auto &[table, count] : std::vector<std::pair<QString, size_t>>{{"P124", 4}, {"P7", 3}, {"P152", 2}})
        EXPECT_EQ(test::tableRows(home.paths(), table).size(), count) << table.toStdString();
}
#endif

TEST_F(DatabaseFixture, AddTableDropsFullStopsAndHandsTheNameBack)
{
    db::CreateDatabase creator(home.paths());
    QString name = "P12.5";
    EXPECT_EQ(creator.AddTable(name, db::Ng7700aProjectTable, &database), 0);
    EXPECT_EQ(name, "P125");
    EXPECT_TRUE(database.hasTable("P125"));
    QString dotted = "P1.2.3";
    EXPECT_EQ(creator.AddTable(dotted, db::Ng7700bProjectTable), 0);
    EXPECT_EQ(dotted, "P123");
}

TEST_F(DatabaseFixture, AddTableReplacesATableOfTheSameNameWithAnEmptyOneOfTheNewKind)
{
    addTable("RUN3", db::StiffnessRunTable);
    ASSERT_TRUE(addRow("RUN3", {{"BIN_NUMBER", 0}}));
    addTable("RUN3", db::LoggerTestTable);
    const QStringList tables = database.tableNames();
    EXPECT_EQ(tables.count("RUN3"), 1);
    auto fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->recordCount(), 0);
    EXPECT_EQ(fresh->schema().fields.front().name, "READNUMBER");
}

TEST_F(DatabaseFixture, AddTableReplacesATableWhoseNameDiffersOnlyInCase)
{
    // Table names are one name whatever their case: the new table takes the old one's place,
    // under the name it was given.
    addTable("P13", db::Ng7700bProjectTable);
    ASSERT_TRUE(addRow("P13", {{"RDNUM", 0}}));
    EXPECT_EQ(addTable("p13", db::Ng7700aProjectTable), "p13");
    EXPECT_EQ(database.tableNames(), QStringList{"p13"});
    auto fresh = database.openRecordset("SELECT * FROM P13");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->recordCount(), 0);
    EXPECT_EQ(fresh->schema().fields.size(), 25u);
}

TEST(CreateDatabase, DeleteTableWorksOnTheOpenDatabaseItIsGiven)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    ASSERT_EQ(creator.Create(), 0);
    auto handle = std::make_unique<db::Database>();
    ASSERT_TRUE(handle->open(home.paths().database()));
    const db::Database *given = handle.get();
    for (QString name : {"RUN1", "RUN2", "P7"})
        ASSERT_EQ(creator.AddTable(name, db::StiffnessRunTable, handle.get()), 0);
    EXPECT_TRUE(creator.Delete_Table("7 RUN2 ", handle));
    EXPECT_EQ(handle.get(), given);
    ASSERT_TRUE(handle->isOpen());
    EXPECT_EQ(handle->tableNames(), QStringList{"RUN1"});
    EXPECT_EQ(test::tableNames(home.paths()), QStringList{"RUN1"});

    std::unique_ptr<db::Database> closed = std::make_unique<db::Database>();
    EXPECT_FALSE(creator.Delete_Table("RUN1 ", closed));
    EXPECT_EQ(test::tableNames(home.paths()), QStringList{"RUN1"});
}

TEST_F(DatabaseFixture, DeleteTableDeletesTheListedTablesThatExist)
{
    for (const auto &[n, k] : std::vector<std::pair<QString, int>>{{"P125", 1}, {"RUN3", 4}, {"CBR_LBR1", 0}, {"ABC", 0}, {"PABC", 0}, {"RUN9", 4}})
        addTable(n, k);
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("12.5 RUN3 CBR_LBR1 MARSHALL4 ABC RUN9", handle));
    ASSERT_TRUE(handle);
    const QStringList left = handle->tableNames();
    EXPECT_FALSE(left.contains("P125"));
    EXPECT_FALSE(left.contains("RUN3"));
    EXPECT_FALSE(left.contains("CBR_LBR1"));
    EXPECT_FALSE(left.contains("ABC"));
    EXPECT_TRUE(left.contains("PABC"));
    EXPECT_TRUE(left.contains("RUN9"));  // the last name had no blank after it
}

TEST(CreateDatabase, DeleteTableWithoutADatabaseFileSucceeds)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("RUN1 ", handle));
    EXPECT_FALSE(handle);
}

TEST(CreateDatabase, DeleteTableOnAFileThatIsNotADatabaseFails)
{
    test::TempHome home;
    home.writeFile("info/MIRVAT.vkd", "not a database");
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_FALSE(creator.Delete_Table("RUN1 ", handle));
}
