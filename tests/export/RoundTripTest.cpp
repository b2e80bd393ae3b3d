#include "common/VbConvert.h"
#include "db/Database.h"
#include "db/ProjectOpen.h"
#include "db/ProjectSave.h"
#include "parse/SampleStreams.h"
#include "support/ProjectSnapshot.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

// Opens a download kept as text, saves it, opens the saved file: the database must come back the
// same, table for table and value for value.
class RoundTrip : public ::testing::TestWithParam<int> {
protected:
    bool open(const QString &name)
    {
        const auto result = db::ProjectOpen::open(home.paths(), state, home.path() + QLatin1Char('/') + name);
        EXPECT_TRUE(result.opened) << result.error.toStdString();
        return result.opened;
    }

    void save(const QString &name)
    {
        db::Database connection;
        db::ProjectSave save(home.paths(), state);
        const auto result = save.saveAll(connection, home.path() + QLatin1Char('/') + name, true);
        EXPECT_EQ(result.outcome, db::ProjectSave::Outcome::Saved) << result.message.toStdString();
    }

    // Opens the download, saves it and opens the saved file; both databases are compared.
    void roundTrip(const QByteArray &download)
    {
        home.writeFile(QStringLiteral("download.txt"), download);
        ASSERT_TRUE(open(QStringLiteral("download.txt")));
        const auto before = test::ProjectSnapshot::of(home.paths());
        const QString list = state.Table_List;
        const int model = state.DeviceCode;
        ASSERT_FALSE(list.isEmpty());

        save(QStringLiteral("saved.txt"));
        ASSERT_TRUE(open(QStringLiteral("saved.txt")));
        EXPECT_EQ(state.Table_List, list);
        EXPECT_EQ(state.DeviceCode, model);
        EXPECT_EQ(test::ProjectSnapshot::difference(before, test::ProjectSnapshot::of(home.paths())), "");
    }

    test::TempHome home;
    AppState state;
};

TEST_P(RoundTrip, GaugeReportComesBackTheSame)
{
    const int model = GetParam();
    roundTrip(vb::printNumber(model).toLatin1() + "\r\n" + parse::sampleStream(model));
}

INSTANTIATE_TEST_SUITE_P(EveryGaugeModel, RoundTrip, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150),
                         [](const auto &info) { return std::string(std::array{"LD4800", "NG7700A", "NG7700B", "SG2150"}[info.param]); });

} // namespace
