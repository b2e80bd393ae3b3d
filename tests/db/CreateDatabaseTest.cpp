#include "DbTestSupport.h"
#include "db/TableKinds.h"
#include "support/TableRows.h"

#include <QDir>

using namespace valtrane;
using valtrane::test::DatabaseFixture;

TEST(CreateDatabase, CreateTellsAFailedCreationFromAFileMissingAfterwards)
{
    const struct {
        const char *what;
        bool makesFile, succeeds;
        int expected;
    } cases[] = {
        {"made and closed", true, true, 0},
        {"creating failed", false, false, 909},
        {"closing failed", true, false, 909},
        {"made, yet gone afterwards", false, true, 910},
    };
    for (const auto &c : cases) {
        test::TempHome home;
        db::CreateDatabase creator(home.paths(), [&c](const QString &path) { return (!c.makesFile || db::Database::createFile(path)) && c.succeeds; });
        EXPECT_EQ(creator.Create(), c.expected) << c.what;
    }
    test::TempHome home;
    QDir(home.path()).rmdir("info");
    home.writeFile("info", "a file where the info folder should be");
    EXPECT_EQ(db::CreateDatabase(home.paths()).Create(), 909);
    // A folder in the database's place cannot be deleted as a file: it stays, and so do its side files.
    test::TempHome held;
    QDir(held.path()).mkpath("info/MIRVAT.vkd/held");
    held.writeFile("info/MIRVAT.vkd-wal", "the last committed rows");
    held.writeFile("info/MIRVAT.vkd-journal", "a journal");
    EXPECT_FALSE(db::Database::removeFile(held.paths().database()));
    EXPECT_EQ(held.readFile("info/MIRVAT.vkd-wal"), "the last committed rows");
    EXPECT_TRUE(held.exists("info/MIRVAT.vkd-journal"));
    EXPECT_EQ(db::CreateDatabase(held.paths()).Create(), 0);
    EXPECT_TRUE(held.exists("info/MIRVAT.vkd/held"));
}

TEST_F(DatabaseFixture, CreateLeavesTheDatabaseWhileAConnectionHasItOpenAndReplacesItWithAnEmptyOneAfterwards)
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
    QString name = "P12.5", dotted = "P1.2.3";
    EXPECT_EQ(creator.AddTable(name, db::Ng7700aProjectTable, &database), 0);
    EXPECT_EQ(name, "P125");
    EXPECT_TRUE(database.hasTable("P125"));
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
    // The new table takes the old one's place under the name it was given.
    ASSERT_TRUE(addRow("RUN3", {{"READNUMBER", 0}}));
    EXPECT_EQ(addTable("run3", db::Ng7700aProjectTable), "run3");
    EXPECT_EQ(database.tableNames(), QStringList{"run3"});
    fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->recordCount(), 0);
    EXPECT_EQ(fresh->schema().fields.size(), 25u);
}

TEST_F(DatabaseFixture, DeleteTableDeletesTheListedTablesThatExistOnTheOpenDatabaseItIsGiven)
{
    for (const auto &[n, k] : std::vector<std::pair<QString, int>>{{"P125", 1}, {"RUN3", 4}, {"CBR_LBR1", 0}, {"ABC", 0}, {"PABC", 0}, {"RUN9", 4}, {"P7", 4}})
        addTable(n, k);
    database.close();
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    // The last name has no blank after it.
    EXPECT_TRUE(creator.Delete_Table("12.5 RUN3 CBR_LBR1 MARSHALL4 ABC RUN9", handle));
    ASSERT_TRUE(handle);
    QStringList left = handle->tableNames();
    left.sort();
    EXPECT_EQ(left, (QStringList{"P7", "PABC"}));

    const db::Database *given = handle.get();
    EXPECT_TRUE(creator.Delete_Table("7 ", handle));
    EXPECT_EQ(handle.get(), given);
    ASSERT_TRUE(handle->isOpen());
    EXPECT_EQ(handle->tableNames(), QStringList{"PABC"});
    EXPECT_EQ(test::tableNames(home.paths()), QStringList{"PABC"});

    std::unique_ptr<db::Database> closed = std::make_unique<db::Database>();
    EXPECT_FALSE(creator.Delete_Table("PABC ", closed));
    EXPECT_EQ(test::tableNames(home.paths()), QStringList{"PABC"});
}

TEST(CreateDatabase, DeleteTableWithoutADatabaseFileSucceedsButFailsOnAFileThatIsNoDatabaseAndDoesNotOpen)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("RUN1 ", handle));
    EXPECT_FALSE(handle);
    home.writeFile("info/MIRVAT.vkd", "this is a text file, not a database\r\n");
    EXPECT_FALSE(creator.Delete_Table("RUN1 ", handle));
    db::Database database;
    EXPECT_FALSE(database.open(home.paths().database()));
    EXPECT_FALSE(database.open(home.path() + "/info/none.vkd"));
    EXPECT_FALSE(database.isOpen());
}
