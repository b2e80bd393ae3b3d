#include "common/AppState.h"
#include "support/CliRunner.h"
#include "support/StreamBuilders.h"
#include "support/TempHome.h"

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
