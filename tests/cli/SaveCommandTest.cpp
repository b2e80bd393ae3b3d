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

TEST(SaveCommand, WithoutTablesNothingIsWritten)
{
    test::TempHome home;
    const auto r = test::runCli(home.path(), {"save", home.path() + "/none.txt"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.startsWith("error: "));
    EXPECT_FALSE(home.exists("none.txt"));
}
