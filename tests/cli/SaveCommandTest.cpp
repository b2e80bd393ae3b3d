#include "common/AppState.h"
#include "support/CliRunner.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

TEST(SaveCommand, SavesTheRegisteredTablesAndRefusesToReplaceAFileWithoutForce)
{
    test::TempHome home;
    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"RUN1 RUN2 RUN21 \"\r\n");
    const QString file = home.path() + "/runs.txt";

    const auto saved = test::runCli(home.path(), {"save", file});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.constData();
    EXPECT_EQ(saved.out, ("Project(s) Saved to " + file + ".\n").toLatin1());
    QFile golden(test::testDataPath("writeout/sg2150.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(home.readFile("runs.txt"), golden.readAll());

    const auto refused = test::runCli(home.path(), {"save", file, "--table", "RUN2"});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("--force")) << refused.err.constData();

    const auto forced = test::runCli(home.path(), {"save", file, "--table", "RUN2", "--force"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.constData();
    EXPECT_EQ(home.readFile("runs.txt"), QByteArray(" 3 \r\nRun#,  2,Meas:, 16.1,CalFac:, 1.02,Date:, 01/15/04,Time:, 10:20\r\n\r\n"));
}

TEST(SaveCommand, WithoutDatabaseOrListedTablesNothingIsWritten)
{
    test::TempHome home;
    const auto noDatabase = test::runCli(home.path(), {"save", home.path() + "/none.txt"});
    EXPECT_NE(noDatabase.exitCode, 0);
    EXPECT_TRUE(noDatabase.err.startsWith("error: there is no database")) << noDatabase.err.constData();
    EXPECT_FALSE(home.exists("none.txt"));

    test::addTables(home.paths(), test::sampleProject(SG2150));
    home.writeFile("info/DBTbles.vkt", "3\r\n\"\"\r\n");
    const auto emptyList = test::runCli(home.path(), {"save", home.path() + "/none.txt"});
    EXPECT_NE(emptyList.exitCode, 0);
    EXPECT_TRUE(emptyList.err.contains("no tables to save")) << emptyList.err.constData();
    EXPECT_FALSE(home.exists("none.txt"));
}
