#include "common/AppState.h"
#include "support/CliRunner.h"
#include "support/HomeProjectState.h"
#include "support/ProjectTables.h"

#include <gtest/gtest.h>

using namespace valtrane;

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
