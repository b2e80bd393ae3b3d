// While another program holds the database (an open or a download writing it), every command
// that reads or writes it says the database is in use, and changes nothing.
#include "common/AppState.h"
#include "db/DatabaseLock.h"
#include "support/CliRunner.h"
#include "support/HomeProjectState.h"

#include <gtest/gtest.h>

using namespace valtrane;

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
