#include "support/CliRunner.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(CliFrame, HelpListsEverySubCommand)
{
    test::TempHome home;
    const auto r = test::runCli(home.path(), {"--help"});
    ASSERT_EQ(r.exitCode, 0);
    for (const char *name : {"ports", "download", "replay", "open", "save", "tables", "dump", "constants", "stiffness-summary", "simulate"})
        EXPECT_TRUE(r.out.contains(QByteArray("  ") + name)) << name;
}

TEST(CliFrame, EveryCommandAnswersHelp)
{
    test::TempHome home;
    for (const char *name : {"ports", "download", "replay", "open", "save", "tables", "dump", "constants", "stiffness-summary", "simulate"}) {
        const auto r = test::runCli(home.path(), {name, "--help"});
        EXPECT_EQ(r.exitCode, 0) << name;
        EXPECT_TRUE(r.out.contains("Usage: valtrane-cli [--home DIR] " + QByteArray(name))) << name << r.out.constData();
    }
}

TEST(CliFrame, AnUnknownCommandIsAUsageError)
{
    test::TempHome home;
    const auto r = test::runCli(home.path(), {"frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown command"));
}
