#include "DbTestSupport.h"
#include "db/DatabaseLock.h"
#include "db/TableKinds.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

#ifdef Q_OS_UNIX
#include <QLockFile>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace valtrane;
using valtrane::test::DatabaseFixture;

namespace {

struct ColumnInfo {
    QString name;
    QString type;
    bool key;
};

std::vector<ColumnInfo> tableInfo(db::Database &database, const QString &table)
{
    std::vector<ColumnInfo> columns;
    QSqlQuery q(database.connection());
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (q.next())
        columns.push_back({q.value(1).toString(), q.value(2).toString(), q.value(5).toInt() == 1});
    return columns;
}

// The reading numbers of the rows an SQL text selects; {-1} when it opens no record set.
QList<int> readingNumbers(db::Database &database, const QString &sql)
{
    QList<int> out;
    auto r = database.openRecordset(sql);
    if (!r)
        return QList<int>{-1};
    for (r->moveFirst(); !r->isEOF(); r->moveNext())
        out.append(r->field(u"RDNUM").toInt());
    return out;
}

QStringList describe(const std::vector<ColumnInfo> &columns)
{
    QStringList out;
    for (const ColumnInfo &c : columns)
        out.append(c.name + QLatin1Char(' ') + c.type + (c.key ? QStringLiteral(" KEY") : QString()));
    return out;
}

} // namespace

TEST_F(DatabaseFixture, TablesOfEachKindHaveTheirFieldsInCreationOrder)
{
    addTable("CBR_LBR1", db::LoggerTestTable);
    EXPECT_EQ(describe(tableInfo(database, "CBR_LBR1")),
              (QStringList{"READNUMBER INTEGER KEY", "TIME TEXT(255)", "CH1 DOUBLE", "CH2 DOUBLE", "CH3 DOUBLE", "CH4 DOUBLE",
                           "CH1NAME TEXT(255)", "CH2NAME TEXT(255)", "CH3NAME TEXT(255)", "CH4NAME TEXT(255)"}));

    addTable("P12", db::Ng7700aProjectTable);
    const QStringList a = describe(tableInfo(database, "P12"));
    ASSERT_EQ(a.size(), 25);
    EXPECT_EQ(a.mid(0, 9), (QStringList{"ID TEXT(255)", "RDNUM INTEGER KEY", "SERNUM INTEGER", "CDATE TEXT(255)", "RDATE TEXT(255)",
                                        "STAT FLOAT", "OFFSET FLOAT", "DPT TEXT(255)", "SA TEXT(255)"}));
    EXPECT_EQ(a.mid(9), (QStringList{"KVAL FLOAT", "PADJ FLOAT", "DSTD FLOAT", "MSTD FLOAT", "DCNT FLOAT", "MCNT FLOAT", "SPG FLOAT",
                                     "PAV FLOAT", "MAXD FLOAT", "WETD FLOAT", "DRYD FLOAT", "WAT FLOAT", "PWAT FLOAT", "PAC FLOAT",
                                     "DENS FLOAT", "PCOMP FLOAT"}));

    addTable("P13", db::Ng7700bProjectTable);
    EXPECT_EQ(describe(tableInfo(database, "P13")),
              (QStringList{"ID TEXT(255)",     "SERNUM INTEGER", "CDATE TEXT(255)",  "DATE TEXT(10)",  "DSTD FLOAT",
                           "MSTD FLOAT",       "KVAL FLOAT",     "SPG FLOAT",        "MAXD FLOAT",     "LOWD FLOAT",
                           "RDNUM INTEGER KEY", "TIME TEXT(10)", "STAT1TO TEXT(255)", "STAT1 TEXT(255)", "OFFSET TEXT(10)",
                           "STAT2 TEXT(255)",  "LANE TEXT(10)",  "DPT TEXT(255)",    "SA TEXT(255)",   "ADJ FLOAT",
                           "DC FLOAT",         "MC FLOAT",       "AV FLOAT",         "WD FLOAT",       "DD FLOAT",
                           "M FLOAT",          "PERCM FLOAT",    "PERC_COMP FLOAT",  "VR TEXT(255)"}));

    addTable("RUN7", db::StiffnessRunTable);
    EXPECT_EQ(describe(tableInfo(database, "RUN7")),
              (QStringList{"RUN_NUMBER INTEGER", "MEASURE FLOAT", "CALFACTOR FLOAT", "DATE TEXT(255)", "TIME TEXT(255)",
                           "BIN_NUMBER INTEGER KEY", "FREQUENCY INTEGER", "REAL_DISPL_ND INTEGER", "REAL_FORCE_ND INTEGER",
                           "IMAG_DISPL_ND INTEGER", "IMAG_FORCE_ND INTEGER", "REAL_DISPL_SD INTEGER", "REAL_FORCE_SD INTEGER",
                           "IMAG_DISPL_SD INTEGER", "IMAG_FORCE_SD INTEGER", "NOISE_OL_FLAG INTEGER", "SIGNL_OL_FLAG INTEGER",
                           "DSNR FLOAT", "FSNR FLOAT"}));
}

TEST_F(DatabaseFixture, RowsComeBackInPrimaryKeyOrderWhateverTheInsertOrder)
{
    addTable("P1", db::Ng7700bProjectTable);
    auto rs = database.openRecordset("SELECT * FROM P1");
    ASSERT_TRUE(rs);
    for (int n : {7, 0, 3, 12, 1}) {
        ASSERT_TRUE(rs->addNew());
        ASSERT_TRUE(rs->setField(u"RDNUM", n));
        ASSERT_TRUE(rs->update());
    }
    auto read = database.openRecordset("select * from P1");
    ASSERT_TRUE(read);
    QList<int> order;
    for (read->moveFirst(); !read->isEOF(); read->moveNext())
        order.append(read->field(u"RDNUM").toInt());
    EXPECT_EQ(order, (QList<int>{0, 1, 3, 7, 12}));
    EXPECT_EQ(read->recordCount(), 5);
}

TEST_F(DatabaseFixture, FieldNamesMatchWithoutRegardToCase)
{
    addTable("P1", db::Ng7700bProjectTable);
    addTable("P2", db::Ng7700aProjectTable);
    auto b = database.openRecordset("SELECT * FROM P1");
    ASSERT_TRUE(b->addNew());
    EXPECT_TRUE(b->setField(u"RDNUM", 1));
    EXPECT_TRUE(b->setField(u"Offset", "12R"));
    EXPECT_TRUE(b->setField(u"Date", "12/04/06"));
    EXPECT_TRUE(b->setField(u"Time", "12:30"));
    ASSERT_TRUE(b->update());
    auto a = database.openRecordset("SELECT * FROM P2");
    ASSERT_TRUE(a->addNew());
    EXPECT_TRUE(a->setField(u"rdnum", 1));
    EXPECT_TRUE(a->setField(u"Dens", 142.5));
    ASSERT_TRUE(a->update());

    auto rb = database.openRecordset("SELECT * FROM P1");
    EXPECT_EQ(rb->field(u"OFFSET").toString(), "12R");
    EXPECT_EQ(rb->field(u"date").toString(), "12/04/06");
    EXPECT_EQ(rb->field(u"TIME").toString(), "12:30");
    auto ra = database.openRecordset("SELECT * FROM P2");
    EXPECT_EQ(ra->field(u"DENS").toFloat(), 142.5f);
    EXPECT_FALSE(ra->field(u"NOSUCH").isValid());
}

TEST_F(DatabaseFixture, ValuesAreConvertedToTheFieldTypeWhenWritten)
{
    addTable("P1", db::Ng7700bProjectTable);
    auto rs = database.openRecordset("SELECT * FROM P1");
    ASSERT_TRUE(rs->addNew());
    EXPECT_TRUE(rs->setField(u"RDNUM", "2.5"));       // Long: half to even
    EXPECT_TRUE(rs->setField(u"SERNUM", "3.5"));
    EXPECT_TRUE(rs->setField(u"WD", "12.3"));         // Single: the float value
    EXPECT_TRUE(rs->setField(u"DD", 98.7654321));
    EXPECT_TRUE(rs->setField(u"ID", 12.5));           // Text: a number's plain text
    EXPECT_TRUE(rs->setField(u"VR", ""));
    ASSERT_TRUE(rs->update());

    auto back = database.openRecordset("SELECT * FROM P1");
    EXPECT_EQ(back->field(u"RDNUM").toInt(), 2);
    EXPECT_EQ(back->field(u"SERNUM").toInt(), 4);
    EXPECT_EQ(back->field(u"WD").toFloat(), 12.3f);
    EXPECT_EQ(back->field(u"DD").toFloat(), 98.7654321f);
    EXPECT_EQ(back->field(u"DD").toDouble(), double(98.7654321f));
    EXPECT_EQ(back->field(u"ID").toString(), "12.5");
    EXPECT_EQ(back->field(u"VR").toString(), "");
    EXPECT_TRUE(back->field(u"MAXD").isNull());
}

TEST_F(DatabaseFixture, AValueThatDoesNotConvertFailsTheWrite)
{
    addTable("P1", db::Ng7700bProjectTable);
    auto rs = database.openRecordset("SELECT * FROM P1");
    ASSERT_TRUE(rs->addNew());
    ASSERT_TRUE(rs->setField(u"RDNUM", 4));
    EXPECT_FALSE(rs->setField(u"WD", "ABC"));
    EXPECT_FALSE(rs->setField(u"DC", ""));
    EXPECT_FALSE(rs->setField(u"SERNUM", "3000000000"));
    EXPECT_TRUE(rs->setField(u"TIME", "0123456789"));
    EXPECT_FALSE(rs->setField(u"TIME", "01234567890"));   // Text(10) takes ten characters
    EXPECT_FALSE(rs->setField(u"NOSUCH", 1));
    ASSERT_TRUE(rs->update());
    auto back = database.openRecordset("SELECT * FROM P1");
    EXPECT_TRUE(back->field(u"WD").isNull());
    EXPECT_EQ(back->field(u"TIME").toString(), "0123456789");
}

TEST_F(DatabaseFixture, PrimaryKeyMayNotRepeatOrBeEmpty)
{
    addTable("RUN1", db::StiffnessRunTable);
    auto rs = database.openRecordset("SELECT * FROM RUN1");
    ASSERT_TRUE(rs->addNew());
    ASSERT_TRUE(rs->setField(u"BIN_NUMBER", 0));
    ASSERT_TRUE(rs->update());
    ASSERT_TRUE(rs->addNew());
    ASSERT_TRUE(rs->setField(u"BIN_NUMBER", 0));
    EXPECT_FALSE(rs->update());
    ASSERT_TRUE(rs->addNew());
    EXPECT_FALSE(rs->update());
    EXPECT_EQ(database.openRecordset("SELECT * FROM RUN1")->recordCount(), 1);
}

TEST_F(DatabaseFixture, TheConditionsTheProgramSendsSelectTheRightRows)
{
    addTable("P125", db::Ng7700bProjectTable);
    const QList<std::pair<int, QVariant>> rows{{0, QVariant()}, {1, "S"}, {2, "A"}, {3, "S"}, {4, "T"}};
    for (const auto &[n, sa] : rows)
        ASSERT_TRUE(addRow("P125", {{"RDNUM", n}, {"SA", sa}}));
    EXPECT_EQ(readingNumbers(database, "Select * From P125 WHERE SA = 'S' AND RDNUM > 0"), (QList<int>{1, 3}));
    EXPECT_EQ(readingNumbers(database, "SELECT * FROM P125 WHERE RDNUM = 0"), (QList<int>{0}));
    EXPECT_EQ(readingNumbers(database, "select * from P125 where RDNUM = 3"), (QList<int>{3}));
    EXPECT_EQ(readingNumbers(database, "SELECT * FROM P125 WHERE RDNUM < 2"), (QList<int>{0, 1}));
    EXPECT_EQ(readingNumbers(database, "SELECT * FROM p125"), (QList<int>{0, 1, 2, 3, 4}));
}

TEST_F(DatabaseFixture, TextConditionsMatchWithoutRegardToCase)
{
    addTable("P7", db::Ng7700bProjectTable);
    const QList<std::tuple<int, QVariant, QString>> rows{{0, QVariant(), "HDR"}, {1, "S", "L1"}, {2, "s", "l1"}, {3, "A", "L2"}, {4, "a", "l1x"}};
    for (const auto &[n, sa, lane] : rows)
        ASSERT_TRUE(addRow("P7", {{"RDNUM", n}, {"SA", sa}, {"LANE", lane}}));
    const QList<std::pair<QString, QList<int>>> cases{
        {" WHERE SA = 'S' AND RDNUM > 0", {1, 2}},
        {" WHERE SA = 'a' AND RDNUM > 0", {3, 4}},
        {" WHERE SA <> 's'", {3, 4}},
        {" WHERE LANE = 'L1'", {1, 2}},
        {" WHERE LANE > 'L1'", {3, 4}},
        {" WHERE LANE = 'hdr' AND RDNUM = 0", {0}},
        // Numbers compare as numbers.
        {" WHERE RDNUM > 2", {3, 4}},
        {" WHERE RDNUM = '3'", {3}},
    };
    for (const auto &[condition, expected] : cases)
        EXPECT_EQ(readingNumbers(database, "SELECT * FROM P7" + condition), expected) << qPrintable(condition);
}

TEST_F(DatabaseFixture, TextsThatAreNotTheProgramsQueriesAreRefused)
{
    addTable("RUN3", db::StiffnessRunTable);
    EXPECT_FALSE(database.openRecordset("DELETE FROM RUN3"));
    EXPECT_FALSE(database.openRecordset("SELECT * FROM NOSUCH"));
    EXPECT_FALSE(database.openRecordset("SELECT * FROM RUN3 WHERE NOSUCH = 1"));
    EXPECT_FALSE(database.openRecordset("SELECT * FROM RUN3 WHERE BIN_NUMBER = 1; DROP TABLE RUN3"));
    EXPECT_FALSE(database.openRecordset("SELECT * FROM RUN3 WHERE BIN_NUMBER > "));
    EXPECT_TRUE(database.openRecordset("SELECT * FROM RUN3 WHERE BIN_NUMBER > 0"));
    EXPECT_TRUE(database.hasTable("RUN3"));
}

TEST_F(DatabaseFixture, AStreamNamedTableNeverRunsASecondStatement)
{
    addTable("P1", db::Ng7700bProjectTable);
    const QString odd = addTable("PX\";DROP TABLE \"P1", db::Ng7700bProjectTable);
    EXPECT_TRUE(database.hasTable(odd));
    EXPECT_TRUE(database.hasTable("P1"));
    auto rs = database.openRecordset("SELECT * FROM " + odd);
    ASSERT_TRUE(rs);
    rs->addNew();
    rs->setField(u"RDNUM", 1);
    rs->setField(u"ID", "X');DROP TABLE P1;--");
    ASSERT_TRUE(rs->update());
    EXPECT_EQ(database.openRecordset("SELECT * FROM " + odd)->field(u"ID").toString(), "X');DROP TABLE P1;--");
    const QString quote = addTable("P'1", db::Ng7700bProjectTable);
    EXPECT_TRUE(database.openRecordset("SELECT * FROM " + quote));
    EXPECT_TRUE(database.hasTable("P1"));
}

TEST_F(DatabaseFixture, EditChangesTheCurrentRowOnly)
{
    addTable("P1", db::Ng7700bProjectTable);
    auto rs = database.openRecordset("SELECT * FROM P1");
    for (int n = 0; n < 3; ++n) {
        rs->addNew();
        rs->setField(u"RDNUM", n);
        rs->setField(u"DD", 100 + n);
        rs->update();
    }
    auto edit = database.openRecordset("SELECT * FROM P1");
    edit->moveFirst();
    edit->moveNext();
    ASSERT_TRUE(edit->edit());
    ASSERT_TRUE(edit->setField(u"PERC_COMP", 95.5));
    ASSERT_TRUE(edit->update());
    EXPECT_EQ(edit->field(u"PERC_COMP").toFloat(), 95.5f);
    // Without edit(), setting a field edits the current row.
    edit->moveNext();
    ASSERT_TRUE(edit->setField(u"PERC_COMP", 90));
    ASSERT_TRUE(edit->update());

    auto back = database.openRecordset("SELECT * FROM P1");
    back->moveFirst();
    EXPECT_TRUE(back->field(u"PERC_COMP").isNull());
    back->moveNext();
    EXPECT_EQ(back->field(u"PERC_COMP").toFloat(), 95.5f);
    back->moveNext();
    EXPECT_EQ(back->field(u"PERC_COMP").toFloat(), 90.0f);
    EXPECT_EQ(back->field(u"DD").toFloat(), 102.0f);
}

TEST_F(DatabaseFixture, NavigationKnowsItsEnds)
{
    addTable("UC1", db::LoggerTestTable);
    auto rs = database.openRecordset("SELECT * FROM UC1");
    EXPECT_TRUE(rs->isEOF());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_FALSE(rs->moveFirst());
    bool ok = true;
    rs->field(u"CH1", &ok);
    EXPECT_FALSE(ok);
    for (int n = 1; n <= 3; ++n) {
        rs->addNew();
        rs->setField(u"READNUMBER", n);
        rs->update();
    }
    ASSERT_TRUE(rs->requery());
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_TRUE(rs->moveLast());
    EXPECT_EQ(rs->field(u"READNUMBER").toInt(), 3);
    EXPECT_TRUE(rs->moveNext());
    EXPECT_TRUE(rs->isEOF());
    EXPECT_FALSE(rs->moveNext());
}

TEST_F(DatabaseFixture, ARecordSetOutlivingItsConnectionFailsQuietly)
{
    addTable("UC1", db::LoggerTestTable);
    auto rs = database.openRecordset("SELECT * FROM UC1");
    database.close();
    EXPECT_FALSE(rs->isOpen());
    EXPECT_FALSE(rs->addNew());
    EXPECT_FALSE(rs->setField(u"READNUMBER", 1));
    EXPECT_FALSE(rs->update());
    EXPECT_TRUE(rs->isEOF());
}

TEST_F(DatabaseFixture, RowsReachTheFileForOtherConnections)
{
    addTable("UC1", db::LoggerTestTable);
    ASSERT_TRUE(addRow("UC1", {{"READNUMBER", 1}}));
    db::Database other;
    ASSERT_TRUE(other.open(home.paths().database()));
    EXPECT_EQ(other.openRecordset("SELECT * FROM UC1")->recordCount(), 1);
}

TEST(Database, AFileThatIsNotADatabaseDoesNotOpen)
{
    test::TempHome home;
    home.writeFile("info/MIRVAT.vkd", "this is a text file, not a database\r\n");
    db::Database database;
    EXPECT_FALSE(database.open(home.paths().database()));
    EXPECT_FALSE(database.open(home.path() + "/info/none.vkd"));
    EXPECT_FALSE(database.isOpen());
}

TEST_F(DatabaseFixture, RemoveFileRefusesWhileAConnectionOfThisProgramHasTheFileOpen)
{
    const QString path = home.paths().database();
    db::Database second;
    ASSERT_TRUE(second.open(path));
    database.close();
    EXPECT_FALSE(db::Database::removeFile(path));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(path + "-wal"));
    second.close();
    EXPECT_TRUE(db::Database::removeFile(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(path + "-wal"));
    EXPECT_FALSE(QFileInfo::exists(path + "-shm"));
}

TEST(Database, RemoveFileKeepsTheSideFilesOfAFileThatCannotBeDeleted)
{
    test::TempHome home;
    // A folder in the database's place cannot be deleted as a file.
    QDir(home.path()).mkpath("info/MIRVAT.vkd/held");
    home.writeFile("info/MIRVAT.vkd-wal", "the last committed rows");
    home.writeFile("info/MIRVAT.vkd-journal", "a journal");
    EXPECT_FALSE(db::Database::removeFile(home.paths().database()));
    EXPECT_EQ(home.readFile("info/MIRVAT.vkd-wal"), "the last committed rows");
    EXPECT_TRUE(home.exists("info/MIRVAT.vkd-journal"));
}

#ifdef Q_OS_UNIX
TEST(Database, RemoveFileRefusesWhileAnotherRunningProcessHoldsTheLock)
{
    test::TempHome home;
    ASSERT_EQ(db::CreateDatabase(home.paths()).Create(), 0);
    const QString path = home.paths().database();
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        close(release[1]);
        QLockFile held(db::DatabaseLock::lockPathFor(path));
        char c = held.tryLock(0) ? '1' : '0';
        (void)!write(ready[1], &c, 1);
        (void)!read(release[0], &c, 1);
        _exit(0);   // leaves the lock file behind, as a crash would
    }
    close(ready[1]);
    close(release[0]);
    char c = 0;
    const bool locked = read(ready[0], &c, 1) == 1 && c == '1';
    const bool removedWhileHeld = db::Database::removeFile(path);
    const bool existsWhileHeld = QFileInfo::exists(path);
    close(release[1]);
    close(ready[0]);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(locked);
    EXPECT_FALSE(removedWhileHeld);
    EXPECT_TRUE(existsWhileHeld);
    // The lock of a process that no longer runs does not count.
    ASSERT_TRUE(home.exists("info/MIRVAT.ldb"));
    EXPECT_TRUE(db::Database::removeFile(path));
    EXPECT_FALSE(QFileInfo::exists(path));
}
#endif
