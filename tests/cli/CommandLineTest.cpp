// The command line: its frame, the commands that open and save projects and show the tables, and
// every command on the database while another program holds it: it says the database is in use,
// and changes nothing.
#include "common/AppState.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/DatabaseLock.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/CliRunner.h"
#include "support/HomeProjectState.h"
#include "support/ProjectTables.h"
#include "support/StreamBuilders.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

const QByteArray Marshall = "MARSHALL TEST\r\nRD #, TIME, LOAD, FLOW, (), ()\r\n1, 00:00:05, 812, 0.031, 0, 0\r\nEND\r\n\r\n";

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

TEST(CliFrame, HelpListsEverySubCommandAndEachAnswersHelp)
{
    test::TempHome home;
    const auto help = test::runCli(home.path(), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    for (const char *name : {"ports", "download", "replay", "open", "save", "tables", "dump", "constants", "stiffness-summary", "simulate"}) {
        EXPECT_TRUE(help.out.contains(QByteArray("  ") + name)) << name;
        const auto r = test::runCli(home.path(), {name, "--help"});
        EXPECT_EQ(r.exitCode, 0) << name;
        EXPECT_TRUE(r.out.contains("Usage: valtrane-cli [--home DIR] " + QByteArray(name))) << name << r.out.constData();
    }
}

TEST(CliFrame, AnUnknownCommandOrAHomeOptionWithoutItsFolderIsAUsageError)
{
    test::TempHome home;
    const std::pair<QStringList, const char *> cases[] = {{{"frobnicate"}, "unknown command"},
                                                          {{"tables", "--home"}, "--home needs a folder"},
                                                          {{"tables", "--home="}, "--home needs a folder"},
                                                          {{"--home=", "tables"}, "--home needs a folder"}};
    for (const auto &[args, says] : cases) {
        const auto r = test::runCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.err.contains(says)) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    }
}

TEST(OpenCommand, RefusesWhatIsNoProjectThenOpensAProjectAndPrintsTheModelCodeAndTables)
{
    test::TempHome home;
    home.writeFile("letter.txt", "Dear customer,\r\n");
    for (const QString &file : {home.path() + "/letter.txt", home.path() + "/missing.txt"}) {
        const auto r = test::runCli(home.path(), {"open", file});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.startsWith("error: ")) << r.err.constData();
    }
    EXPECT_FALSE(home.exists("info/MIRVAT.vkd"));
    EXPECT_FALSE(home.exists("info/DBTbles.vkt"));

    home.writeFile("info/Info.vkt", "\"Acme Soils\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rOld caption\r\"\r\n");
    home.writeFile("lab.txt", test::savedProject(LD4800, Marshall + Marshall));
    const auto r = test::runCli(home.path(), {"open", home.path() + "/lab.txt"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("DeviceCode: 0\nTable_List: MARSHALL1 MARSHALL2 \n"));
    // The company information stays; the root caption names the file.
    EXPECT_EQ(home.readFile("info/Info.vkt"), QByteArray("\"Acme Soils\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rTests (lab.txt)\r\"\r\n"));
    EXPECT_EQ(test::runCli(home.path(), {"tables"}).out, r.out);
}

TEST(SaveCommand, SavesTheRegisteredTablesRefusesToReplaceAFileWithoutForceAndWritesNothingWithoutTablesOrWhenOneIsMissing)
{
    test::TempHome home;
    const QString file = home.path() + "/runs.txt";
    const auto noDatabase = test::runCli(home.path(), {"save", file});
    EXPECT_NE(noDatabase.exitCode, 0);
    EXPECT_TRUE(noDatabase.err.startsWith("error: there is no database")) << noDatabase.err.constData();
    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"\"\r\n");
    const auto emptyList = test::runCli(home.path(), {"save", file});
    EXPECT_NE(emptyList.exitCode, 0);
    EXPECT_TRUE(emptyList.err.contains("no tables to save")) << emptyList.err.constData();
    EXPECT_FALSE(home.exists("runs.txt"));

    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN2 RUN21 \"\r\n");
    const auto saved = test::runCli(home.path(), {"save", file});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.constData();
    EXPECT_EQ(saved.out, ("Project(s) Saved to " + file + ".\n").toLatin1());
    EXPECT_EQ(home.readFile("runs.txt"), test::sampleProjectFile(SG2150));

    const auto refused = test::runCli(home.path(), {"save", file, "--table", "RUN2"});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("--force")) << refused.err.constData();

    const auto forced = test::runCli(home.path(), {"save", file, "--table", "RUN2", "--force"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.constData();
    const QByteArray runTwo = " 3 \r\nRun#,  2,Meas:, 16.1,CalFac:, 1.02,Date:, 01/15/04,Time:, 10:20\r\n\r\n";
    EXPECT_EQ(home.readFile("runs.txt"), runTwo);

    // A listed table missing from the database fails the save, which names it and keeps the file.
    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN9 \"\r\n");
    const auto failed = test::runCli(home.path(), {"save", file, "--force"});
    EXPECT_NE(failed.exitCode, 0);
    EXPECT_TRUE(failed.err.contains("RUN9")) << failed.err.constData();
    EXPECT_EQ(home.readFile("runs.txt"), runTwo);
}

TEST(DatabaseInUse, EveryCommandOnTheDatabaseSaysSoWithStatus789)
{
    test::TempHome home;
    home.writeFile("project.txt", test::sampleProjectFile(NG7700B));
    ASSERT_EQ(test::runCli(home.path(), {"open", home.path() + "/project.txt"}).exitCode, 0);
    const auto before = test::HomeProjectState::of(home);

    ASSERT_EQ(db::DatabaseLock::tryAcquire(home.paths().lockFile()), db::DatabaseLock::Attempt::Acquired);
    const QStringList commands[] = {
        {"open", home.path() + "/project.txt"},
        {"save", home.path() + "/saved.txt"},
        {"tables"},
        {"dump", "P8"},
        {"stiffness-summary", "--table", "RUN1", "--out", home.path() + "/summary.csv"},
    };
    for (const QStringList &args : commands) {
        const auto r = test::runCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 1) << args.first().toStdString();
        EXPECT_TRUE(r.err.contains("status 789")) << args.first().toStdString() << ": " << r.err.constData();
    }
    db::DatabaseLock::releaseHold(home.paths().lockFile());
    EXPECT_FALSE(home.exists("saved.txt"));
    EXPECT_EQ(test::projectStateDifference(home, before), "");
    EXPECT_EQ(test::runCli(home.path(), {"tables"}).exitCode, 0);
}

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
