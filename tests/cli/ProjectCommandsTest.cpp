// The commands that open and save projects, and every command on the database while another
// program holds it: it says the database is in use, and changes nothing.
#include "common/AppState.h"
#include "db/DatabaseLock.h"
#include "support/CliRunner.h"
#include "support/HomeProjectState.h"
#include "support/ProjectTables.h"
#include "support/StreamBuilders.h"

#include <gtest/gtest.h>

using namespace valtrane;

static const QByteArray Marshall = "MARSHALL TEST\r\nRD #, TIME, LOAD, FLOW, (), ()\r\n1, 00:00:05, 812, 0.031, 0, 0\r\nEND\r\n\r\n";

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
