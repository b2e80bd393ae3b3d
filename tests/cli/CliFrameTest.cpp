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

TEST(CliFrame, AHomeOptionWithoutItsFolderIsAUsageError)
{
    test::TempHome home;
    for (const QStringList &args : QList<QStringList>{{"tables", "--home"}, {"tables", "--home="}, {"--home=", "tables"}}) {
        const auto r = test::runCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.err.contains("--home needs a folder")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    }
}
