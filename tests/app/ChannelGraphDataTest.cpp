#include "app/ChannelGraphData.h"
#include "db/Database.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace valtrane;
using app::ChannelGraphData;

namespace {

class ChannelGraphDataTest : public ::testing::Test {
protected:
    // Puts the table on screen and reads the graph of its first count readings.
    std::optional<ChannelGraphData> read(const test::TableContent &table, int count)
    {
        test::addTables(home.paths(), {table});
        EXPECT_TRUE(database.open(home.paths().database()));
        state.CurrentTable = table.name;
        return ChannelGraphData::read(home.paths(), state, database.openRecordset("Select * From " + table.name).get(), count);
    }

    test::TempHome home;
    db::Database database;
    AppState state;
};

} // namespace

TEST_F(ChannelGraphDataTest, EachReadingGivesChannelTwoOneThreeOneUnderTheTitlesOfTheLastReading)
{
    test::TableContent uc1 = test::loggerTest("UC1", {{1.5, 2.5, 3.5, 4.5}, {10, 20, 30, 40}, {9, 10, 11, 12}}, {"LOAD", "PEN", "DIAL", "AUX"});
    QStringList &last = uc1.records.back();
    last[6] = "KN";
    last[7] = "MM";
    last[8] = "IN";
    const auto data = read(uc1, 2);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->rows, (std::vector<std::array<float, 4>>{{2.5f, 1.5f, 3.5f, 1.5f}, {20, 10, 30, 10}}));
    EXPECT_EQ(QStringList({data->horizontalTitle, data->verticalTitle, data->secondVerticalTitle}), QStringList({"MM", "KN", "IN"}));
}

TEST_F(ChannelGraphDataTest, AnEmptyChannelValueIsNotANumber)
{
    const auto data = read({"UC1", db::LoggerTestTable, {"READNUMBER", "CH1", "CH3"}, {{"1", "4", "2"}}}, 1);
    ASSERT_TRUE(data);
    EXPECT_TRUE(std::isnan(data->rows[0][0]));
    EXPECT_EQ(data->rows[0][2], 2.0f);
}

TEST_F(ChannelGraphDataTest, NothingIsDrawnWithoutATableOnScreenOrADatabase)
{
    ASSERT_TRUE(read(test::loggerTest("UC1", {{1, 2, 3, 4}}, {}), 1));
    auto set = database.openRecordset("Select * From UC1");
    state.CurrentTable.clear();
    EXPECT_FALSE(ChannelGraphData::read(home.paths(), state, set.get(), 1));

    state.CurrentTable = "UC1";
    set.reset();
    database.close();
    ASSERT_TRUE(db::Database::removeFile(home.paths().database()));
    EXPECT_FALSE(ChannelGraphData::read(home.paths(), state, nullptr, 0));
}

TEST(ChannelGraphPicture, IsTheChartEnlargedByAThirdAtFifteenTwipsPerPixel)
{
    EXPECT_EQ(ChannelGraphData::pictureSizeTwips(), QSize(9318, 6220));
    EXPECT_EQ(ChannelGraphData::pictureSizePixels(), QSize(621, 415));
}
