#include "db/CreateDatabase.h"
#include "db/StartupChecks.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(StartupChecks, KeepsARegisteredOrLockedDatabaseAndClearsWhatDoesNotBelongTogether)
{
    // What there is (database, registry, lock file), the message, what is kept, the tables listed.
    const std::tuple<const char *, bool, QByteArray, bool, QString, bool, bool, QString> cases[] = {
        {"first start", false, "", false, "", false, false, ""},
        {"registry without its database", false, "2\r\n\"12 \"\r\n", false, "", false, false, ""},
        {"database without listed tables", true, "", false, "Database with no tables, reseting.", false, false, ""},
        {"locked database", true, "", true, "", true, false, ""},
        {"registered database", true, "0\r\n\"CBR_LBR1 \"\r\n", false, "", true, true, "CBR_LBR1 "},
    };
    for (const auto &[what, database, registry, locked, message, databaseKept, registryKept, tableList] : cases) {
        SCOPED_TRACE(what);
        test::TempHome home;
        ASSERT_TRUE(!database || db::CreateDatabase(home.paths()).Create() == 0);
        if (!registry.isEmpty())
            home.writeFile("info/DBTbles.vkt", registry);
        if (locked)
            home.writeFile("info/MIRVAT.ldb", "held by another program");
        AppState state;
        state.DeviceCode = 3;
        EXPECT_EQ(db::StartupChecks::run(home.paths(), state), message);
        EXPECT_EQ(std::tuple(home.exists("info/MIRVAT.vkd"), home.exists("info/DBTbles.vkt"), state.Table_List, state.DeviceCode, state.LastFolder),
                  std::tuple(databaseKept, registryKept, tableList, registryKept ? 0 : 3, home.paths().programFolder()));
        // What was reset is not reset again.
        EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    }
}
