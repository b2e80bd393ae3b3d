#include "DbTestSupport.h"
#include "db/DatabaseLock.h"
#include "db/StartupChecks.h"
#include "db/TableKinds.h"

#ifdef Q_OS_UNIX
#include <QLockFile>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace valtrane;

namespace {

void makeDatabase(test::TempHome &home)
{
    db::CreateDatabase creator(home.paths());
    ASSERT_EQ(creator.Create(), 0);
}

} // namespace

TEST(StartupChecks, FirstStartWithAnEmptyInfoFolderSaysNothing)
{
    test::TempHome home;
    AppState state;
    EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    EXPECT_TRUE(state.Table_List.isEmpty());
    EXPECT_EQ(state.DeviceCode, 0);
    EXPECT_EQ(state.LastFolder, home.paths().programFolder());
}

TEST(StartupChecks, ARegistryWithoutItsDatabaseIsDeleted)
{
    test::TempHome home;
    home.writeFile("info/DBTbles.vkt", "2\r\n\"12 \"\r\n");
    AppState state;
    EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    EXPECT_FALSE(home.exists("info/DBTbles.vkt"));
    EXPECT_TRUE(state.Table_List.isEmpty());
}

TEST(StartupChecks, ADatabaseWithoutListedTablesIsResetOnce)
{
    test::TempHome home;
    makeDatabase(home);
    AppState state;
    EXPECT_EQ(db::StartupChecks::run(home.paths(), state), "Database with no tables, reseting.");
    EXPECT_FALSE(home.exists("info/MIRVAT.vkd"));
    EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
}

TEST(StartupChecks, ALockedDatabaseIsLeftAlone)
{
    test::TempHome home;
    makeDatabase(home);
    home.writeFile("info/MIRVAT.ldb", "held by another program");
    AppState state;
    EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    EXPECT_TRUE(home.exists("info/MIRVAT.vkd"));
}

TEST(StartupChecks, ARegisteredDatabaseIsKept)
{
    test::TempHome home;
    makeDatabase(home);
    home.writeFile("info/DBTbles.vkt", "0\r\n\"CBR_LBR1 \"\r\n");
    AppState state;
    state.DeviceCode = 3;
    EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    EXPECT_EQ(state.Table_List, "CBR_LBR1 ");
    EXPECT_EQ(state.DeviceCode, 0);
    EXPECT_TRUE(home.exists("info/MIRVAT.vkd"));
}

TEST(DatabaseLock, AnOpenDatabaseHoldsItsLockFileUntilTheLastConnectionCloses)
{
    test::TempHome home;
    makeDatabase(home);
    const QString lock = home.paths().lockFile();
    EXPECT_FALSE(db::DatabaseLock::isLocked(lock));
    {
        db::Database first;
        ASSERT_TRUE(first.open(home.paths().database()));
        EXPECT_TRUE(home.exists("info/MIRVAT.ldb"));
        {
            db::Database second;
            ASSERT_TRUE(second.open(home.paths().database()));
        }
        EXPECT_TRUE(db::DatabaseLock::isLocked(lock));
    }
    EXPECT_FALSE(home.exists("info/MIRVAT.ldb"));
    EXPECT_FALSE(db::DatabaseLock::isLocked(lock));
}

#ifdef Q_OS_UNIX
TEST(DatabaseLock, ALockLeftByAProcessThatNoLongerRunsIsStale)
{
    test::TempHome home;
    makeDatabase(home);
    const QString lock = home.paths().lockFile();
    const pid_t child = fork();
    if (child == 0) {
        QLockFile held(lock);
        held.tryLock(0);
        _exit(0);   // leaves the lock file behind, as a crash would
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(home.exists("info/MIRVAT.ldb"));
    EXPECT_FALSE(db::DatabaseLock::isLocked(lock));
    EXPECT_FALSE(home.exists("info/MIRVAT.ldb"));
    AppState state;
    EXPECT_EQ(db::StartupChecks::run(home.paths(), state), "Database with no tables, reseting.");
}
#endif
