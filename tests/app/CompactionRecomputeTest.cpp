#include "app/CompactionRecompute.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TableRows.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <array>
#include <cmath>

using namespace valtrane;

TEST(CompactionRecompute, TheSurfaceOnScreenGetsDensityOverTheMaximumAndOthersStay)
{
    const float Empty = NAN;
    struct Case {
        const char *surface;
        QVariant maxd;  // invalid: as stored (120)
        int emptyDd;    // reading whose dry density is emptied, 0 none
        const char *table;
        bool succeeds;
        std::array<float, 4> percent;  // readings 1 to 4
    };
    const Case cases[] = {
        // Soil readings take dry density; other surfaces wet density.
        {"SOIL", 100.0, 0, "125", true, {110.0f, 1, 102.5f, 1}},
        {"SOIL", QVariant(), 3, "125", true, {float(110.0 * 100.0 / 120.0), 1, Empty, 1}},
        {"ASPHALT", QVariant(), 0, "125", true, {1, float(150.0 * 100.0 / 120.0), 1, 1}},
        {"THIN", QVariant(), 0, "125", true, {1, 1, 1, float(91.0 * 100.0 / 120.0)}},
        // Without a usable maximum or table nothing changes, unless the surface has no readings.
        {"SOIL", 0.0, 0, "125", false, {1, 1, 1, 1}},
        {"SOIL", QVariant(QMetaType(QMetaType::Double)), 0, "125", false, {1, 1, 1, 1}},
        {"SOIL", QVariant(), 0, "999", false, {1, 1, 1, 1}},
        {"BASE", 0.0, 0, "125", true, {1, 1, 1, 1}},
        {"", 50.0, 0, "125", true, {1, 1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.surface) + " " + c.table);
        test::TempHome home;
        test::addTables(home.paths(), {{"P125", db::Ng7700bProjectTable, {"RDNUM", "ID", "MAXD", "SA", "DD", "WD", "PERC_COMP"},
                                        {{"0", "12.5", "120", "~", "~", "~", "~"},
                                         {"1", "~", "~", "S", "110", "125", "1"},
                                         {"2", "~", "~", "A", "140", "150", "1"},
                                         {"3", "~", "~", "S", "102.5", "118", "1"},
                                         {"4", "~", "~", "T", "90", "91", "1"}}}});
        db::Database database;
        ASSERT_TRUE(database.open(home.paths().database()));
        if (c.maxd.isValid()) {
            auto header = database.openRecordset("SELECT * FROM P125 WHERE RDNUM = 0");
            ASSERT_TRUE(header->setField(u"MAXD", c.maxd) && header->update());
        }
        if (c.emptyDd) {
            auto r = database.openRecordset(QString("SELECT * FROM P125 WHERE RDNUM = %1").arg(c.emptyDd));
            ASSERT_TRUE(r->setField(u"DD", QVariant()) && r->update());
        }
        AppState state;
        state.DeviceCode = NG7700B;
        state.CurrentTable = c.table;
        state.CurrentSurface = c.surface;
        EXPECT_EQ(app::CompactionRecompute::run(database, state), c.succeeds);

        const auto rows = test::tableRows(home.paths(), "P125");
        ASSERT_EQ(rows.size(), 5u);
        for (size_t i = 0; i < 4; ++i) {
            const QVariant p = rows[i + 1].at("PERC_COMP");
            if (std::isnan(c.percent[i]))
                EXPECT_TRUE(p.isNull()) << "reading " << i + 1;
            else
                EXPECT_FLOAT_EQ(p.toFloat(), c.percent[i]) << "reading " << i + 1;
        }
    }
}
