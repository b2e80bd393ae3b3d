#include "ParseTestSupport.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "parse/SampleStreams.h"
#include "stiffness/ComputeStiffnessRun.h"

using namespace valtrane;
using SampleStreams = valtrane::test::ParseFixture;

namespace {

struct Sample {
    int deviceCode;
    test::ParseCall call;
    std::vector<int> results;  // as the live read loop sees them, up to the end byte
    QString tables;
    std::vector<std::pair<QString, size_t>> rowCounts;
};

} // namespace

TEST_F(SampleStreams, EachModelsReportParsesIntoItsTables)
{
    const std::vector<Sample> samples{
        {LD4800, &parse::Parse::Parse_LD4800, {89, 89, 89}, "CBR_LBR1 MARSHALL1 CBR_LBR2 ", {{"CBR_LBR1", 8}, {"MARSHALL1", 6}, {"CBR_LBR2", 5}}},
        {NG7700A, &parse::Parse::Parse_NG7700A, {}, "12.4 7 15.2 ", {{"P124", 4}, {"P7", 2}, {"P152", 1}}},
        {NG7700B, &parse::Parse::Parse_NG7700B, {89}, "12.4 7 15.2 ", {{"P124", 4}, {"P7", 3}, {"P152", 2}}},
        {SG2150, &parse::Parse::Parse_SG2150, {}, "RUN1 RUN2 RUN3 ", {{"RUN1", 26}, {"RUN2", 26}, {"RUN3", 26}}},
    };
    for (const Sample &sample : samples) {
        SCOPED_TRACE(sample.deviceCode);
        ASSERT_EQ(parse.Initit(parse.retrn_message()), 0);
        EXPECT_EQ(feed(sample.call, parse::sampleStream(sample.deviceCode)), sample.results);
        EXPECT_EQ(parse.retrn_message(), sample.tables);
        for (const auto &[table, count] : sample.rowCounts)
            EXPECT_EQ(rows(table).size(), count) << table.toStdString();
    }
}

// The stiffness gauge prints its own signal-to-noise ratios beside the counts; the ratios the
// program computes from the stored counts must agree with them to the printed tenth. A mix-up of
// the stored order of the eight count fields shows here.
TEST_F(SampleStreams, StiffnessRatiosComputedFromTheCountsMatchTheOnesTheGaugePrinted)
{
    feed(&parse::Parse::Parse_SG2150, parse::sampleStream(SG2150));
    parse.commit();
    db::Database database;
    ASSERT_TRUE(database.open(home.paths().database()));
    for (const QString table : {"RUN1", "RUN2", "RUN3"}) {
        SCOPED_TRACE(table.toStdString());
        auto records = database.openRecordset("SELECT * FROM " + table);
        ASSERT_TRUE(records);
        const auto run = stiffness::ComputeStiffnessRun(stiffness::readStiffnessRecords(*records), StiffnessConstants{});
        const std::vector<test::Row> stored = rows(table);
        ASSERT_EQ(run.bins.size(), 25u);
        ASSERT_EQ(stored.size(), 26u);
        for (size_t i = 0; i < run.bins.size(); ++i) {
            const test::Row &bin = stored[i + 1];
            EXPECT_NEAR(run.bins[i].displacementSnr.toDouble(), bin.at("DSNR").toDouble(), 0.051) << "bin " << i + 1;
            EXPECT_NEAR(run.bins[i].forceSnr.toDouble(), bin.at("FSNR").toDouble(), 0.051) << "bin " << i + 1;
        }
    }
}
