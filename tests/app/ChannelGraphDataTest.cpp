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
    std::unique_ptr<db::Recordset> open(const QString &table)
    {
        EXPECT_TRUE(database.isOpen() || database.open(home.paths().database()));
        return database.openRecordset("Select * From " + table);
    }

    test::TempHome home;
    db::Database database;
    AppState state;
};

} // namespace

TEST_F(ChannelGraphDataTest, EachReadingGivesChannelTwoOneThreeOne)
{
    test::addTables(home.paths(), {test::loggerTest("CBR_LBR1", {{1.5, 2.5, 3.5, 4.5}, {10, 20, 30, 40}}, {"LOAD", "PEN", "DIAL", "AUX"})});
    state.CurrentTable = "CBR_LBR1";
    auto set = open("CBR_LBR1");
    const auto data = ChannelGraphData::read(home.paths(), state, set.get(), set->recordCount());
    ASSERT_TRUE(data);
    ASSERT_EQ(data->rows.size(), 2u);
    EXPECT_EQ(data->rows[0], (std::array<float, 4>{2.5f, 1.5f, 3.5f, 1.5f}));
    EXPECT_EQ(data->rows[1], (std::array<float, 4>{20, 10, 30, 10}));
    EXPECT_EQ(data->horizontalTitle, "PEN");
    EXPECT_EQ(data->verticalTitle, "LOAD");
    EXPECT_EQ(data->secondVerticalTitle, "DIAL");
}

TEST_F(ChannelGraphDataTest, AxisTitlesFollowTheLastReadingAndTheCountLimitsTheRows)
{
    test::TableContent uc1 = test::loggerTest("UC1", {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}, {"A1", "A2", "A3", "A4"});
    QStringList &last = uc1.records.back();
    last[6] = "KN";
    last[7] = "MM";
    last[8] = "IN";
    test::addTables(home.paths(), {uc1});
    state.CurrentTable = "UC1";
    auto set = open("UC1");
    const auto data = ChannelGraphData::read(home.paths(), state, set.get(), 1);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->rows.size(), 1u);
    EXPECT_EQ(data->horizontalTitle, "MM");
    EXPECT_EQ(data->verticalTitle, "KN");
    EXPECT_EQ(data->secondVerticalTitle, "IN");
}

TEST_F(ChannelGraphDataTest, AnEmptyChannelValueIsNotANumber)
{
    test::addTables(home.paths(), {{"UC1", db::LoggerTestTable, {"READNUMBER", "CH1", "CH3"}, {{"1", "4", "2"}}}});
    state.CurrentTable = "UC1";
    auto set = open("UC1");
    const auto data = ChannelGraphData::read(home.paths(), state, set.get(), 1);
    ASSERT_TRUE(data);
    EXPECT_TRUE(std::isnan(data->rows[0][0]));
    EXPECT_EQ(data->rows[0][2], 2.0f);
}

TEST_F(ChannelGraphDataTest, NothingIsDrawnWithoutATableOnScreenOrADatabase)
{
    test::addTables(home.paths(), {test::loggerTest("UC1", {{1, 2, 3, 4}}, {})});
    auto set = open("UC1");
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
