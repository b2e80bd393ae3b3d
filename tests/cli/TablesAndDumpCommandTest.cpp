#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/CliRunner.h"
#include "support/TempHome.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

// The NG7700B project 12.5, stored as table P125 with three rows and listed in the registry.
void projectTwelveFive(test::TempHome &home)
{
    db::CreateDatabase creator(home.paths());
    ASSERT_EQ(creator.Create(), 0);
    QString name = "P12.5";
    ASSERT_EQ(creator.AddTable(name, db::Ng7700bProjectTable), 0);
    db::Database database;
    ASSERT_TRUE(database.open(home.paths().database()));
    auto rs = database.openRecordset("SELECT * FROM P125");
    for (int n : {0, 1, 2}) {
        rs->addNew();
        rs->setField(u"RDNUM", n);
        rs->setField(u"SA", n == 2 ? "A" : "S");
        rs->setField(u"WD", 118.25 + n);
        rs->setField(u"STAT1", "a,b");
        ASSERT_TRUE(rs->update());
    }
    home.writeFile("info/DBTbles.vkt", "2\r\n\"12.5 \"\r\n");
}

} // namespace

TEST(DumpCommand, WritesRowsAsCsvOfATableNamedAsTablesListsItOrByItsStoredName)
{
    test::TempHome home;
    projectTwelveFive(home);
    const auto stored = test::runCli(home.path(), {"dump", "P125"});
    ASSERT_EQ(stored.exitCode, 0) << stored.err.constData();
    const QList<QByteArray> lines = stored.out.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("ID,SERNUM,CDATE,DATE,DSTD,"));
    EXPECT_EQ(lines[1].split(',').size(), lines[0].split(',').size() + 1);  // "a,b" is one quoted field
    EXPECT_TRUE(lines[2].contains("\"a,b\""));
    EXPECT_TRUE(lines[2].contains(",119.25,"));

    const auto soil = test::runCli(home.path(), {"dump", "P125", "--where", "SA = 'S' AND RDNUM > 0"});
    ASSERT_EQ(soil.exitCode, 0);
    EXPECT_EQ(soil.out.count('\n'), 2);

    // An empty condition means every row.
    const QStringList sameTable[] = {{"12.5"}, {"p125"}, {" 12.5 "}, {"12.5", "--where", ""}, {"P125", "--where", "  "}};
    for (const QStringList &args : sameTable) {
        const auto r = test::runCli(home.path(), QStringList{"dump"} + args);
        EXPECT_EQ(r.exitCode, 0) << args.join('|').toStdString() << ": " << r.err.constData();
        EXPECT_EQ(r.out, stored.out) << args.join('|').toStdString();
    }
    const auto unknown = test::runCli(home.path(), {"dump", "12.4"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, QByteArray("error: there is no table '12.4'; the tables are 12.5\n"));
}

// The program folder on a read-only medium, made without privileges: a read-only bind mount in a
// user namespace of the test's own. Skipped where the machine allows no such namespace.
TEST(TablesAndDumpCommand, ReadAProgramFolderOnAReadOnlyMediumWhereWritingIsRefused)
{
    test::TempHome home;
    projectTwelveFive(home);
    const QString script = QStringLiteral(
        "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 77\n"
        "\"$2\" --home \"$1\" tables && \"$2\" --home \"$1\" dump 12.5 || exit 1\n"
        "\"$2\" --home \"$1\" constants --set Poisra=0.3 && exit 2\n"
        "exit 0\n");
    QProcess run;
    run.start(QStringLiteral("unshare"), {"-rm", "sh", "-c", script, "sh", home.path(), QStringLiteral(VALTRANE_BIN_DIR "/valtrane-cli")});
    if (!run.waitForStarted())
        GTEST_SKIP() << "unshare is not installed";
    ASSERT_TRUE(run.waitForFinished(60000));
    const QByteArray err = run.readAllStandardError();
    if (run.exitCode() == 77 || err.startsWith("unshare:"))
        GTEST_SKIP() << "no read-only mount without privileges here: " << err.constData();
    EXPECT_EQ(run.exitCode(), 0) << err.constData();
    const QByteArray out = run.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("DeviceCode: 2\nTable_List: 12.5 \nID,")) << out.constData();
    EXPECT_EQ(out.count('\n'), 6) << out.constData();
    EXPECT_TRUE(err.contains("the constants file cannot be written")) << err.constData();
}
