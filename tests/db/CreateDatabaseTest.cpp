#include "DbTestSupport.h"
#include "db/TableKinds.h"
#include "support/TableRows.h"

#include <QDir>
#include <QFile>

using namespace valtrane;
using valtrane::test::DatabaseFixture;

TEST(CreateDatabase, CreateReplacesTheOldFileWithANewEmptyOne)
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
    test::TempHome home;
    QDir(home.path()).rmdir("info");
    home.writeFile("info", "a file where the info folder should be");
    EXPECT_EQ(db::CreateDatabase(home.paths()).Create(), 909);
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

TEST_F(DatabaseFixture, AddTableReplacesATableOfTheSameNameInAnyCaseWithAnEmptyOneOfTheNewKind)
{
    addTable("RUN3", db::StiffnessRunTable);
    ASSERT_TRUE(addRow("RUN3", {{"BIN_NUMBER", 0}}));
    addTable("RUN3", db::LoggerTestTable);
    EXPECT_EQ(database.tableNames(), QStringList{"RUN3"});
    auto fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->recordCount(), 0);
    EXPECT_EQ(fresh->schema().fields.front().name, "READNUMBER");
    // Table names are one name whatever their case: the new table takes the old one's place,
    // under the name it was given.
    ASSERT_TRUE(addRow("RUN3", {{"READNUMBER", 0}}));
    EXPECT_EQ(addTable("run3", db::Ng7700aProjectTable), "run3");
    EXPECT_EQ(database.tableNames(), QStringList{"run3"});
    fresh = database.openRecordset("SELECT * FROM RUN3");
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

TEST(CreateDatabase, DeleteTableWithoutADatabaseFileSucceedsButFailsOnAFileThatIsNoDatabase)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("RUN1 ", handle));
    EXPECT_FALSE(handle);
    home.writeFile("info/MIRVAT.vkd", "not a database");
    EXPECT_FALSE(creator.Delete_Table("RUN1 ", handle));
}
