#include "db/CreateDatabase.h"
#include "db/StartupChecks.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(StartupChecks, KeepsARegisteredOrLockedDatabaseAndClearsWhatDoesNotBelongTogether)
{
    struct Case {
        const char *what;
        bool database;
        QByteArray registry;  // empty: none
        bool locked;
        QString message;
        bool databaseKept, registryKept;
        QString tableList;
    };
    const std::vector<Case> cases{
        {"first start", false, "", false, "", false, false, ""},
        {"registry without its database", false, "2\r\n\"12 \"\r\n", false, "", false, false, ""},
        {"database without listed tables", true, "", false, "Database with no tables, reseting.", false, false, ""},
        {"locked database", true, "", true, "", true, false, ""},
        {"registered database", true, "0\r\n\"CBR_LBR1 \"\r\n", false, "", true, true, "CBR_LBR1 "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempHome home;
        if (c.database) {
            ASSERT_EQ(db::CreateDatabase(home.paths()).Create(), 0);
        }
        if (!c.registry.isEmpty())
            home.writeFile("info/DBTbles.vkt", c.registry);
        if (c.locked)
            home.writeFile("info/MIRVAT.ldb", "held by another program");
        AppState state;
        state.DeviceCode = 3;
        EXPECT_EQ(db::StartupChecks::run(home.paths(), state), c.message);
        EXPECT_EQ(home.exists("info/MIRVAT.vkd"), c.databaseKept);
        EXPECT_EQ(home.exists("info/DBTbles.vkt"), c.registryKept);
        EXPECT_EQ(state.Table_List, c.tableList);
        EXPECT_EQ(state.DeviceCode, c.registryKept ? 0 : 3);
        EXPECT_EQ(state.LastFolder, home.paths().programFolder());
        // What was reset is not reset again.
        EXPECT_TRUE(db::StartupChecks::run(home.paths(), state).isEmpty());
    }
}
