#include "db/TableRegistry.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(TableRegistry, WritesTheModelCodeAndTheQuotedList)
{
    test::TempHome home;
    AppState state;
    state.DeviceCode = NG7700A;
    EXPECT_TRUE(db::Table_Registry(home.paths(), state, 1, "12.5 13 ").isEmpty());
    EXPECT_EQ(home.readFile("info/DBTbles.vkt"), QByteArray("1\r\n\"12.5 13 \"\r\n"));
}

TEST(TableRegistry, ReadsBackTheListAndSetsTheModelCode)
{
    test::TempHome home;
    home.writeFile("info/DBTBLES.VKT", "3\r\n\"RUN1 RUN2 RUN21 \"\r\n");
    AppState state;
    EXPECT_EQ(db::Table_Registry(home.paths(), state, 0), "RUN1 RUN2 RUN21 ");
    EXPECT_EQ(state.DeviceCode, SG2150);
}

TEST(TableRegistry, QuotesInsideTheListAreRemoved)
{
    test::TempHome home;
    home.writeFile("info/DBTbles.vkt", "2\r\n\"12\"\".5 \"13\" \"\r\n");
    AppState state;
    EXPECT_EQ(db::Table_Registry(home.paths(), state, 0), "12.5 13 ");
}

TEST(TableRegistry, AnUnreadableFirstLineKeepsTheModelCode)
{
    for (const QByteArray &first : {QByteArray(""), QByteArray("ABC"), QByteArray("99999")}) {
        test::TempHome home;
        home.writeFile("info/DBTbles.vkt", first + "\r\n\"UC1 \"\r\n");
        AppState state;
        state.DeviceCode = NG7700B;
        EXPECT_EQ(db::Table_Registry(home.paths(), state, 0), "UC1 ");
        EXPECT_EQ(state.DeviceCode, NG7700B) << first.constData();
    }
}

TEST(TableRegistry, AMissingRegistryReadsAsNoTables)
{
    test::TempHome home;
    AppState state;
    state.DeviceCode = SG2150;
    EXPECT_TRUE(db::Table_Registry(home.paths(), state, 0).isEmpty());
    EXPECT_EQ(state.DeviceCode, SG2150);
    EXPECT_TRUE(db::Table_Registry(home.paths(), state, 7, "X ").isEmpty());
    EXPECT_FALSE(home.exists("info/DBTbles.vkt"));
}
