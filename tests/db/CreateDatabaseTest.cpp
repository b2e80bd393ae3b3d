#include "DbTestSupport.h"
#include "db/TableKinds.h"

#include <QDir>
#include <QFile>

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
    const QString name = addTable("RUN3", db::StiffnessRunTable);
    auto rs = database.openRecordset("SELECT * FROM RUN3");
    rs->addNew();
    rs->setField(u"BIN_NUMBER", 0);
    ASSERT_TRUE(rs->update());
    rs.reset();
    addTable("RUN3", db::LoggerTestTable);
    const QStringList tables = database.tableNames();
    EXPECT_EQ(tables.count("RUN3"), 1);
    auto fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->recordCount(), 0);
    EXPECT_EQ(fresh->schema().fields.front().name, "READNUMBER");
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
