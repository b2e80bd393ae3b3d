#include "app/CompactionRecompute.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace valtrane;

namespace {

class CompactionRecomputeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addTables(home.paths(), {{"P125", db::Ng7700bProjectTable, {"RDNUM", "ID", "MAXD", "SA", "DD", "WD", "PERC_COMP"},
                                        {{"0", "12.5", "120", "~", "~", "~", "~"},
                                         {"1", "~", "~", "S", "110", "125", "1"},
                                         {"2", "~", "~", "A", "140", "150", "1"},
                                         {"3", "~", "~", "S", "102.5", "118", "1"},
                                         {"4", "~", "~", "T", "90", "91", "1"}}}});
        ASSERT_TRUE(database.open(home.paths().database()));
        state.DeviceCode = NG7700B;
        state.CurrentTable = "125";
    }

    // PERC_COMP per reading number 1 to 4.
    std::vector<QVariant> percentages()
    {
        std::vector<QVariant> out;
        auto set = database.openRecordset("SELECT * FROM P125 WHERE RDNUM > 0");
        for (set->moveFirst(); !set->isEOF(); set->moveNext())
            out.push_back(set->field(u"PERC_COMP"));
        return out;
    }

    void setMaxd(const QVariant &value)
    {
        auto header = database.openRecordset("SELECT * FROM P125 WHERE RDNUM = 0");
        ASSERT_TRUE(header->setField(u"MAXD", value) && header->update());
    }

    test::TempHome home;
    db::Database database;
    AppState state;
};

} // namespace

TEST_F(CompactionRecomputeTest, SoilReadingsTakeDryDensityOverTheNewMaximum)
{
    setMaxd(100.0);
    state.CurrentSurface = "SOIL";
    ASSERT_TRUE(app::CompactionRecompute::run(database, state));
    const auto p = percentages();
    EXPECT_FLOAT_EQ(p[0].toFloat(), 110.0f);
    EXPECT_FLOAT_EQ(p[1].toFloat(), 1.0f);
    EXPECT_FLOAT_EQ(p[2].toFloat(), 102.5f);
    EXPECT_FLOAT_EQ(p[3].toFloat(), 1.0f);
}

TEST_F(CompactionRecomputeTest, OtherSurfacesTakeWetDensity)
{
    state.CurrentSurface = "ASPHALT";
    ASSERT_TRUE(app::CompactionRecompute::run(database, state));
    EXPECT_FLOAT_EQ(percentages()[1].toFloat(), float(150.0 * 100.0 / 120.0));

    state.CurrentSurface = "THIN";
    ASSERT_TRUE(app::CompactionRecompute::run(database, state));
    EXPECT_FLOAT_EQ(percentages()[3].toFloat(), float(91.0 * 100.0 / 120.0));
    EXPECT_FLOAT_EQ(percentages()[0].toFloat(), 1.0f);
}

TEST_F(CompactionRecomputeTest, AnEmptyDensityLeavesAnEmptyPercentage)
{
    auto r = database.openRecordset("SELECT * FROM P125 WHERE RDNUM = 3");
    ASSERT_TRUE(r->setField(u"DD", QVariant()) && r->update());
    state.CurrentSurface = "SOIL";
    ASSERT_TRUE(app::CompactionRecompute::run(database, state));
    EXPECT_TRUE(percentages()[2].isNull());
}

TEST_F(CompactionRecomputeTest, FailsWithoutAUsableMaximumOrTable)
{
    state.CurrentSurface = "SOIL";
    setMaxd(0.0);
    EXPECT_FALSE(app::CompactionRecompute::run(database, state));
    setMaxd(QVariant());
    EXPECT_FALSE(app::CompactionRecompute::run(database, state));
    EXPECT_FLOAT_EQ(percentages()[0].toFloat(), 1.0f);

    state.CurrentTable = "999";
    EXPECT_FALSE(app::CompactionRecompute::run(database, state));
}

TEST_F(CompactionRecomputeTest, AZeroMaximumIsNoErrorWhileTheSurfaceHasNoReadings)
{
    setMaxd(0.0);
    state.CurrentSurface = "BASE";
    EXPECT_TRUE(app::CompactionRecompute::run(database, state));
}

TEST_F(CompactionRecomputeTest, DoesNothingWhileNoSurfaceIsOnScreen)
{
    setMaxd(50.0);
    state.CurrentSurface.clear();
    EXPECT_TRUE(app::CompactionRecompute::run(database, state));
    EXPECT_FLOAT_EQ(percentages()[0].toFloat(), 1.0f);
}
