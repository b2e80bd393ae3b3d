#include "common/AppState.h"
#include "db/DatabaseLock.h"
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

test::CliResult expectRefused(const test::TempHome &home, const QStringList &args, const char *says)
{
    const auto r = test::runCli(home.path(), args);
    EXPECT_NE(r.exitCode, 0) << qPrintable(args.join(' '));
    EXPECT_TRUE(r.err.startsWith("error: ") && r.err.contains(says)) << r.err.constData();
    return r;
}

void projectTwelveFive(test::TempHome &home)
{
    test::addTables(home.paths(), {{"P12.5", db::Ng7700bProjectTable, {"RDNUM", "SA", "WD", "STAT1"},
                                    {{"0", "S", "118.25", "a,b"}, {"1", "S", "119.25", "a,b"}, {"2", "A", "120.25", "a,b"}}}});
    home.writeFile("info/DBTbles.vkt", "2\r\n\"12.5 \"\r\n");
}

test::CliResult openLab(test::TempHome &home)
{
    home.writeFile("lab.txt", test::savedProject(LD4800, Marshall + Marshall));
    return test::runCli(home.path(), {"open", home.path() + "/lab.txt"});
}

} // namespace

TEST(CliFrame, HelpListsEverySubCommand)
{
    test::TempHome home;
    const auto help = test::runCli(home.path(), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    for (const char *name : {"ports", "download", "replay", "open", "save", "tables", "dump", "constants", "stiffness-summary", "simulate"})
        EXPECT_TRUE(help.out.contains(QByteArray("  ") + name)) << name;
}

TEST(CliFrame, AnUnknownCommandOrAHomeOptionWithoutItsFolderIsAUsageError)
{
    test::TempHome home;
    const std::pair<QStringList, const char *> cases[] = {{{"frobnicate"}, "unknown command"}, {{"tables", "--home"}, "--home needs a folder"}};
    for (const auto &[args, says] : cases) {
        const auto r = test::runCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.err.contains(says) && r.out.isEmpty()) << r.err.constData() << r.out.constData();
    }
}

TEST(OpenCommand, OpensAProjectPrintingItsModelCodeAndTables)
{
    test::TempHome home;
    const QByteArray info = "\"Acme Soils\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\r";
    home.writeFile("info/Info.vkt", info + "Old caption\r\"\r\n");
    const auto r = openLab(home);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("DeviceCode: 0\nTable_List: MARSHALL1 MARSHALL2 \n"));
    EXPECT_EQ(home.readFile("info/Info.vkt"), info + "Tests (lab.txt)\r\"\r\n");
    EXPECT_EQ(test::runCli(home.path(), {"tables"}).out, r.out);
}

TEST(DatabaseInUse, EveryCommandOnTheDatabaseIsRefusedWithStatus789)
{
    test::TempHome home;
    ASSERT_EQ(openLab(home).exitCode, 0);
    const auto before = test::HomeProjectState::of(home);
    ASSERT_EQ(db::DatabaseLock::tryAcquire(home.paths().lockFile()), db::DatabaseLock::Attempt::Acquired);
    for (const QStringList &args : {QStringList{"open", home.path() + "/lab.txt"}, QStringList{"save", home.path() + "/saved.txt"},
                                    QStringList{"tables"}, QStringList{"dump", "MARSHALL1"},
                                    QStringList{"stiffness-summary", "--table", "RUN1", "--out", home.path() + "/summary.csv"}}) {
        const auto inUse = test::runCli(home.path(), args);
        EXPECT_EQ(inUse.exitCode, 1) << args.first().toStdString();
        EXPECT_TRUE(inUse.err.contains("status 789")) << args.first().toStdString() << ": " << inUse.err.constData();
    }
    db::DatabaseLock::releaseHold(home.paths().lockFile());
    EXPECT_FALSE(home.exists("saved.txt"));
    EXPECT_EQ(test::projectStateDifference(home, before), "");
    EXPECT_EQ(test::runCli(home.path(), {"tables"}).exitCode, 0);
}

TEST(SaveCommand, SavesTheRegisteredTables)
{
    test::TempHome home;
    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN2 RUN21 \"\r\n");
    const auto saved = test::runCli(home.path(), {"save", home.path() + "/runs.txt"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.constData();
    EXPECT_EQ(home.readFile("runs.txt"), test::sampleProjectFile(SG2150));
}

TEST(SaveCommand, ReplacesAFileOnlyWithForce)
{
    test::TempHome home;
    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN2 RUN21 \"\r\n");
    home.writeFile("runs.txt", "old");
    const QString file = home.path() + "/runs.txt";
    expectRefused(home, {"save", file, "--table", "RUN2"}, "--force");
    ASSERT_EQ(test::runCli(home.path(), {"save", file, "--table", "RUN2", "--force"}).exitCode, 0);
    EXPECT_EQ(home.readFile("runs.txt"), " 3 \r\nRun#,  2,Meas:, 16.1,CalFac:, 1.02,Date:, 01/15/04,Time:, 10:20\r\n\r\n");
}

TEST(SaveCommand, WritesNothingWithoutADatabaseOrTablesOrWhenOneIsMissing)
{
    test::TempHome home;
    const QString file = home.path() + "/runs.txt";
    EXPECT_TRUE(expectRefused(home, {"save", file}, "").err.startsWith("error: there is no database"));
    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"\"\r\n");
    expectRefused(home, {"save", file}, "no tables to save");
    EXPECT_FALSE(home.exists("runs.txt"));

    home.writeFile("runs.txt", "old");
    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN9 \"\r\n");
    expectRefused(home, {"save", file, "--force"}, "RUN9");
    EXPECT_EQ(home.readFile("runs.txt"), "old");
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
    EXPECT_TRUE(lines[2].contains("\"a,b\"") && lines[2].contains(",119.25,")) << lines[2].constData();
    EXPECT_EQ(test::runCli(home.path(), {"dump", "P125", "--where", "SA = 'S' AND RDNUM > 0"}).out.count('\n'), 2);

    for (const QStringList &args : {QStringList{"12.5"}, QStringList{"p125"}, QStringList{" 12.5 "}, QStringList{"12.5", "--where", ""},
                                    QStringList{"P125", "--where", "  "}}) {
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
    EXPECT_TRUE(out.startsWith("DeviceCode: 2\nTable_List: 12.5 \nID,") && out.count('\n') == 6) << out.constData();
    EXPECT_TRUE(err.contains("the constants file cannot be written")) << err.constData();
}
