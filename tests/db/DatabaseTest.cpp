#include "DbTestSupport.h"
#include "db/DatabaseLock.h"
#include "db/TableKinds.h"
#include "support/TableRows.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QLockFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace valtrane;
using valtrane::test::DatabaseFixture;

namespace {

QList<int> readingNumbers(db::Database &database, const QString &sql, const char16_t *key = u"RDNUM")
{
    QList<int> out;
    auto r = database.openRecordset(sql);
    if (!r)
        return QList<int>{-1};
    for (r->moveFirst(); !r->isEOF(); r->moveNext())
        out.append(r->field(key).toInt());
    return out;
}

} // namespace

TEST_F(DatabaseFixture, RowsComeBackInPrimaryKeyOrderWhichMayNotRepeatOrBeEmptyAndNavigationKnowsItsEnds)
{
    addTable("UC1", db::LoggerTestTable);
    auto rs = database.openRecordset("SELECT * FROM UC1");
    bool ok = true;
    EXPECT_EQ((std::tuple{rs->isEOF(), rs->moveFirst(), (rs->field(u"CH1", &ok), ok)}), (std::tuple{true, false, false}));
    const std::pair<QVariant, bool> keys[] = {{7, true}, {0, true}, {3, true}, {12, true}, {1, true}, {7, false}, {QVariant(), false}};
    for (const auto &[key, stored] : keys) {
        ASSERT_TRUE(rs->addNew());
        ASSERT_TRUE(key.isNull() || rs->setField(u"READNUMBER", key));
        ASSERT_EQ(rs->update(), stored) << key.toString().toStdString();
    }
    EXPECT_EQ(readingNumbers(database, "select * from UC1", u"READNUMBER"), (QList<int>{0, 1, 3, 7, 12}));
    EXPECT_EQ((std::tuple{rs->requery(), rs->recordCount(), rs->moveLast(), rs->field(u"READNUMBER").toInt(), rs->moveNext(), rs->isEOF(), rs->moveNext()}),
              (std::tuple{true, 5, true, 12, true, true, false}));
}

TEST_F(DatabaseFixture, ValuesAreConvertedToTheFieldTypeWhateverTheCaseOfItsName)
{
    // The field, the value set (null: none), whether it is taken, and the value read back as its own
    // type (null: the field stays empty). Long: half to even; Single: the float value; Text: a
    // number's plain text, at most ten characters.
    const std::tuple<const char16_t *, QVariant, bool, QVariant> cases[] = {
        {u"rdnum", "2.5", true, 2},       {u"SERNUM", "3.5", true, 4},        {u"Wd", "12.3", true, 12.3f},
        {u"DD", 98.7654321, true, 98.7654321f}, {u"ID", 12.5, true, "12.5"}, {u"VR", "", true, ""},
        {u"Offset", "12R", true, "12R"},  {u"TIME", "0123456789", true, "0123456789"}, {u"Date", "01234567890", false, QVariant()},
        {u"MC", "ABC", false, QVariant()}, {u"DC", "", false, QVariant()},     {u"PERCM", "1E39", false, QVariant()},
        {u"MAXD", QVariant(), true, QVariant()}, {u"NOSUCH", 1, false, QVariant()},
    };
    addTable("P1", db::Ng7700bProjectTable);
    auto rs = database.openRecordset("SELECT * FROM P1");
    ASSERT_TRUE(rs->addNew());
    for (const auto &[field, value, accepted, stored] : cases)
        EXPECT_TRUE(value.isNull() || rs->setField(field, value) == accepted) << QString::fromUtf16(field).toStdString();
    EXPECT_FALSE(rs->setField(u"SERNUM", "3000000000"));
    ASSERT_TRUE(rs->update());
    auto back = database.openRecordset("SELECT * FROM P1");
    for (const auto &[field, value, accepted, stored] : cases) {
        const QVariant v = back->field(field);
        const std::string name = QString::fromUtf16(field).toStdString();
        if (stored.isNull())
            EXPECT_TRUE(v.isNull()) << name;
        else if (stored.typeId() == QMetaType::Float)
            EXPECT_EQ(v.toFloat(), stored.toFloat()) << name;
        else
            EXPECT_EQ(v.toString(), stored.toString()) << name;
    }
    EXPECT_EQ(back->field(u"DD").toDouble(), double(98.7654321f));
}

TEST_F(DatabaseFixture, TextConditionsMatchWithoutRegardToCase)
{
    addTable("P7", db::Ng7700bProjectTable);
    const QList<std::tuple<int, QVariant, QString>> rows{{0, QVariant(), "HDR"}, {1, "S", "L1"}, {2, "s", "l1"}, {3, "A", "L2"}, {4, "a", "l1x"}};
    for (const auto &[n, sa, lane] : rows)
        ASSERT_TRUE(addRow("P7", {{"RDNUM", n}, {"SA", sa}, {"LANE", lane}}));
    // Numbers compare as numbers.
    const QList<std::pair<QString, QList<int>>> cases{
        {" WHERE SA = 'S' AND RDNUM > 0", {1, 2}}, {" WHERE SA = 'a' AND RDNUM > 0", {3, 4}}, {" WHERE SA <> 's'", {3, 4}},
        {" WHERE LANE = 'L1'", {1, 2}},           {" WHERE LANE > 'L1'", {3, 4}},            {" WHERE LANE = 'hdr' AND RDNUM = 0", {0}},
        {" WHERE RDNUM > 2", {3, 4}},             {" WHERE RDNUM = '3'", {3}},               {" WHERE RDNUM < 2", {0, 1}},
        {"", {0, 1, 2, 3, 4}},
    };
    for (const auto &[condition, expected] : cases)
        EXPECT_EQ(readingNumbers(database, "select * from p7" + condition), expected) << qPrintable(condition);
}

TEST_F(DatabaseFixture, OnlyTheProgramsQueriesRunAndAStreamNamedTableNeverRunsASecondStatement)
{
    addTable("P1", db::Ng7700bProjectTable);
    for (const char *sql : {"DELETE FROM P1", "SELECT * FROM NOSUCH", "SELECT * FROM P1 WHERE NOSUCH = 1",
                            "SELECT * FROM P1 WHERE RDNUM = 1; DROP TABLE P1", "SELECT * FROM P1 WHERE RDNUM > "})
        EXPECT_FALSE(database.openRecordset(sql)) << sql;
    EXPECT_TRUE(database.openRecordset("SELECT * FROM P1 WHERE RDNUM > 0"));
    const QString odd = addTable("PX\";DROP TABLE \"P1", db::Ng7700bProjectTable);
    EXPECT_TRUE(database.hasTable(odd) && database.hasTable("P1"));
    ASSERT_TRUE(addRow(odd, {{"RDNUM", 1}, {"ID", "X');DROP TABLE P1;--"}}));
    EXPECT_EQ(database.openRecordset("SELECT * FROM " + odd)->field(u"ID").toString(), "X');DROP TABLE P1;--");
    EXPECT_TRUE(database.openRecordset("SELECT * FROM " + addTable("P'1", db::Ng7700bProjectTable)) && database.hasTable("P1"));
}

TEST_F(DatabaseFixture, EditChangesTheCurrentRowOnlyAndFailsQuietlyOnceTheConnectionIsClosed)
{
    addTable("P1", db::Ng7700bProjectTable);
    for (int n = 0; n < 3; ++n)
        ASSERT_TRUE(addRow("P1", {{"RDNUM", n}, {"DD", 100 + n}}));
    auto edit = database.openRecordset("SELECT * FROM P1");
    edit->moveFirst();
    edit->moveNext();
    ASSERT_TRUE(edit->edit() && edit->setField(u"PERC_COMP", 95.5) && edit->update());
    EXPECT_EQ(edit->field(u"PERC_COMP").toFloat(), 95.5f);
    edit->moveNext();
    ASSERT_TRUE(edit->setField(u"PERC_COMP", 90) && edit->update() && database.commit());
    const auto rows = test::tableRows(home.paths(), "P1");
    EXPECT_TRUE(test::rowHolds(rows[0], {"PERC_COMP"}, {""}) && test::rowHolds(rows[1], {"PERC_COMP"}, {"95.5"}) &&
                test::rowHolds(rows[2], {"PERC_COMP", "DD"}, {"90", "102"}));
    database.close();
    EXPECT_EQ((std::tuple{edit->isOpen(), edit->addNew(), edit->setField(u"RDNUM", 7), edit->update(), edit->isEOF()}),
              (std::tuple{false, false, false, false, true}));
}

// The lock file stays until the last connection closes.
TEST_F(DatabaseFixture, RemoveFileRefusesWhileAConnectionOfThisProgramHasTheFileOpen)
{
    const QString path = home.paths().database();
    db::Database second;
    ASSERT_TRUE(second.open(path));
    database.close();
    EXPECT_EQ((std::tuple{home.exists("info/MIRVAT.ldb"), db::Database::removeFile(path), QFileInfo::exists(path), QFileInfo::exists(path + "-wal")}),
              (std::tuple{true, false, true, true}));
    second.close();
    EXPECT_EQ((std::tuple{home.exists("info/MIRVAT.ldb"), db::Database::removeFile(path), QFileInfo::exists(path), QFileInfo::exists(path + "-wal"),
                          QFileInfo::exists(path + "-shm")}),
              (std::tuple{false, true, false, false, false}));
}

#ifdef Q_OS_UNIX
TEST(Database, RemoveFileRefusesWhileAnotherRunningProcessHoldsTheLock)
{
    test::TempHome home;
    ASSERT_EQ(db::CreateDatabase(home.paths()).Create(), 0);
    const QString path = home.paths().database();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(db::DatabaseLock::lockPathFor(path));
        const char c = held.tryLock(0) ? '1' : '0';
        (void)!write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    const bool locked = read(ready[0], &c, 1) == 1 && c == '1';
    const auto whileHeld = std::tuple{db::Database::removeFile(path), QFileInfo::exists(path)};
    // Killed, the child leaves the lock file behind, as a crash would.
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    ASSERT_TRUE(locked);
    EXPECT_EQ(whileHeld, std::tuple(false, true));
    // The lock of a process that no longer runs does not count, and its file goes.
    ASSERT_TRUE(home.exists("info/MIRVAT.ldb"));
    EXPECT_EQ((std::tuple{db::DatabaseLock::isLocked(home.paths().lockFile()), home.exists("info/MIRVAT.ldb"), db::Database::removeFile(path),
                          QFileInfo::exists(path)}),
              (std::tuple{false, false, true, false}));
}
#endif

TEST(CreateDatabase, CreateTellsAFailedCreationFromAFileMissingAfterwards)
{
    // Whether the creation makes the file and says it succeeded, and the status Create gives.
    const std::tuple<const char *, bool, bool, int> cases[] = {
        {"made and closed", true, true, 0}, {"creating failed", false, false, 909}, {"closing failed", true, false, 909},
        {"made, yet gone afterwards", false, true, 910},
    };
    for (const auto &[what, makesFile, succeeds, expected] : cases) {
        test::TempHome home;
        db::CreateDatabase creator(home.paths(), [&](const QString &path) { return (!makesFile || db::Database::createFile(path)) && succeeds; });
        EXPECT_EQ(creator.Create(), expected) << what;
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
    EXPECT_EQ((std::tuple{db::Database::removeFile(held.paths().database()), held.readFile("info/MIRVAT.vkd-wal"), held.exists("info/MIRVAT.vkd-journal"),
                          db::CreateDatabase(held.paths()).Create(), held.exists("info/MIRVAT.vkd/held")}),
              (std::tuple{false, QByteArray("the last committed rows"), true, 0, true}));
}

TEST_F(DatabaseFixture, CreateLeavesTheDatabaseWhileAConnectionHasItOpenAndReplacesItWithAnEmptyOneAfterwards)
{
    addTable("RUN1", db::StiffnessRunTable);
    ASSERT_TRUE(addRow("RUN1", {{"BIN_NUMBER", 0}}));
    db::CreateDatabase creator(home.paths());
    EXPECT_EQ((std::pair{int(creator.Create()), test::tableRows(home.paths(), "RUN1").size()}), std::pair(0, size_t(1)));
    database.close();
    EXPECT_EQ((std::pair{int(creator.Create()), test::tableNames(home.paths())}), std::pair(0, QStringList()));
}

TEST_F(DatabaseFixture, AddTableReplacesATableOfTheSameNameInAnyCaseWithAnEmptyOneOfTheNewKindAndDropsFullStops)
{
    addTable("RUN3", db::StiffnessRunTable);
    ASSERT_TRUE(addRow("RUN3", {{"BIN_NUMBER", 0}}));
    addTable("RUN3", db::LoggerTestTable);
    EXPECT_EQ(database.tableNames(), QStringList{"RUN3"});
    auto fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(std::pair(fresh->recordCount(), fresh->schema().fields.front().name), std::pair(0, QString("READNUMBER")));
    ASSERT_TRUE(addRow("RUN3", {{"READNUMBER", 0}}));
    EXPECT_EQ(addTable("run3", db::Ng7700aProjectTable), "run3");
    EXPECT_EQ(database.tableNames(), QStringList{"run3"});
    fresh = database.openRecordset("SELECT * FROM RUN3");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(std::pair(fresh->recordCount(), fresh->schema().fields.size()), std::pair(0, size_t(25)));

    db::CreateDatabase creator(home.paths());
    QString name = "P12.5", dotted = "P1.2.3";
    EXPECT_EQ((std::tuple{creator.AddTable(name, db::Ng7700aProjectTable, &database), database.hasTable("P125"),
                          creator.AddTable(dotted, db::Ng7700bProjectTable), name, dotted}),
              (std::tuple{0, true, 0, QString("P125"), QString("P123")}));
}

TEST_F(DatabaseFixture, DeleteTableDeletesTheListedTablesThatExistOnTheOpenDatabaseItIsGiven)
{
    for (const auto &[n, k] : std::vector<std::pair<QString, int>>{{"P125", 1}, {"RUN3", 4}, {"CBR_LBR1", 0}, {"ABC", 0}, {"PABC", 0}, {"RUN9", 4}, {"P7", 4}})
        addTable(n, k);
    database.close();
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("12.5 RUN3 CBR_LBR1 MARSHALL4 ABC RUN9", handle));
    ASSERT_TRUE(handle);
    QStringList left = handle->tableNames();
    left.sort();
    EXPECT_EQ(left, (QStringList{"P7", "PABC", "RUN9"}));  // the last name had no blank after it

    const db::Database *given = handle.get();
    ASSERT_EQ((std::tuple{creator.Delete_Table("7 ", handle), handle.get() == given, handle && handle->isOpen()}), std::tuple(true, true, true));
    EXPECT_EQ(std::pair(handle->tableNames(), test::tableNames(home.paths())), std::pair(QStringList{"PABC", "RUN9"}, QStringList{"PABC", "RUN9"}));
    std::unique_ptr<db::Database> closed = std::make_unique<db::Database>();
    EXPECT_FALSE(creator.Delete_Table("PABC ", closed));
    EXPECT_EQ(test::tableNames(home.paths()), (QStringList{"PABC", "RUN9"}));
}

TEST(CreateDatabase, DeleteTableWithoutADatabaseFileSucceedsButFailsOnAFileThatIsNoDatabaseAndDoesNotOpen)
{
    test::TempHome home;
    db::CreateDatabase creator(home.paths());
    std::unique_ptr<db::Database> handle;
    EXPECT_TRUE(creator.Delete_Table("RUN1 ", handle) && !handle);
    home.writeFile("info/MIRVAT.vkd", "this is a text file, not a database\r\n");
    EXPECT_FALSE(creator.Delete_Table("RUN1 ", handle));
    db::Database database;
    EXPECT_FALSE(database.open(home.paths().database()) || database.open(home.path() + "/info/none.vkd") || database.isOpen());
}
