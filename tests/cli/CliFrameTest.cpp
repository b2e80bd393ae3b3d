#include "support/CliRunner.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

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
