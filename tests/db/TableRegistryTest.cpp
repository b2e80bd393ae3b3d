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

TEST(TableRegistry, ReadsBackTheListWithoutQuotesAndTheModelCodeWhenItIsOne)
{
    const std::vector<std::tuple<QByteArray, QString, int>> cases{
        {"3\r\n\"RUN1 RUN2 RUN21 \"\r\n", "RUN1 RUN2 RUN21 ", SG2150},
        {"2\r\n\"12\"\".5 \"13\" \"\r\n", "12.5 13 ", NG7700B},
        // An unreadable first line keeps the model code.
        {"\r\n\"UC1 \"\r\n", "UC1 ", NG7700A},
        {"ABC\r\n\"UC1 \"\r\n", "UC1 ", NG7700A},
        {"99999\r\n\"UC1 \"\r\n", "UC1 ", NG7700A},
    };
    for (const auto &[file, list, model] : cases) {
        test::TempHome home;
        home.writeFile("info/DBTBLES.VKT", file);
        AppState state;
        state.DeviceCode = NG7700A;
        EXPECT_EQ(db::Table_Registry(home.paths(), state, 0), list) << file.constData();
        EXPECT_EQ(state.DeviceCode, model) << file.constData();
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
