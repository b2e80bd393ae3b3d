#include "app/CompactionRecompute.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <array>

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

TEST_F(CompactionRecomputeTest, TheSurfaceOnScreenGetsDensityOverTheMaximumAndOthersStay)
{
    struct Case {
        const char *surface;
        QVariant maxd;  // null: as stored (120)
        bool succeeds;
        std::array<float, 4> percent;  // readings 1 to 4
    };
    const Case cases[] = {
        // Soil readings take dry density; other surfaces wet density.
        {"SOIL", 100.0, true, {110.0f, 1, 102.5f, 1}},
        {"ASPHALT", QVariant(), true, {1, float(150.0 * 100.0 / 120.0), 1, 1}},
        {"THIN", QVariant(), true, {1, 1, 1, float(91.0 * 100.0 / 120.0)}},
        // Without a usable maximum nothing changes, unless the surface has no readings.
        {"SOIL", 0.0, false, {1, 1, 1, 1}},
        {"SOIL", QVariant(QMetaType(QMetaType::Double)), false, {1, 1, 1, 1}},
        {"BASE", 0.0, true, {1, 1, 1, 1}},
        // No surface on screen: nothing to do.
        {"", 50.0, true, {1, 1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.surface);
        database.close();
        SetUp();
        if (c.maxd.isValid())
            setMaxd(c.maxd);
        state.CurrentSurface = c.surface;
        EXPECT_EQ(app::CompactionRecompute::run(database, state), c.succeeds);
        const auto p = percentages();
        ASSERT_EQ(p.size(), 4u);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(p[i].toFloat(), c.percent[i]) << "reading " << i + 1;
    }
}

TEST_F(CompactionRecomputeTest, AnEmptyDensityLeavesAnEmptyPercentageAndAMissingTableFails)
{
    auto r = database.openRecordset("SELECT * FROM P125 WHERE RDNUM = 3");
    ASSERT_TRUE(r->setField(u"DD", QVariant()) && r->update());
    state.CurrentSurface = "SOIL";
    ASSERT_TRUE(app::CompactionRecompute::run(database, state));
    EXPECT_TRUE(percentages()[2].isNull());
    state.CurrentTable = "999";
    EXPECT_FALSE(app::CompactionRecompute::run(database, state));
}
