#include "db/DbTestSupport.h"
#include "stiffness/ComputeStiffnessRun.h"
#include "stiffness/StiffnessRunData.h"

#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::stiffness;
using test::binRecord;
using test::headerRecord;

namespace {

using Texts = std::array<QString, StiffnessResultCount>;

Texts filled(const char *text) { Texts t; t.fill(text); return t; }

QStringList row(const StiffnessBinResult &b)
{
    return QStringList{b.binNumber, b.frequency, b.displacementSnr, b.forceSnr} + QStringList(b.results.begin(), b.results.end());
}

QStringList row(const char *number, const char *frequency, const char *dSnr, const char *fSnr, const Texts &results)
{
    return QStringList{number, frequency, dSnr, fSnr} + QStringList(results.begin(), results.end());
}

StiffnessRunResult firstBinOnly(const StiffnessConstants &constants, int run = 3)
{
    return ComputeStiffnessRun({headerRecord(run, 11.25f, 2.5f), binRecord(test::twentyFiveBins().front())}, constants);
}

class StoredStiffnessRun : public test::DatabaseFixture {
protected:
    StiffnessRunResult stored(const QString &table, const std::vector<StiffnessRecord> &records)
    {
        test::storeRun(home.paths(), database, table, records);
        auto rs = database.openRecordset("SELECT * FROM " + table);
        EXPECT_TRUE(rs);
        return rs ? ComputeStiffnessRun(readStiffnessRecords(*rs), test::loadedConstants()) : StiffnessRunResult{};
    }
};

// Expected texts were worked out apart from the program with a short python3 script that applies
// the documented formulas to the same counts: volts = counts * 10 / 4096 - 5, SNR = 10 * ln(P) /
// ln(10), K = -2.5 * (ac + bd) / (a^2 + b^2) + 0.8 * (2 * 3.14159265358979 * f)^2 / 1e6, and so on,
// each printed with "%.1f". The averages divide by all 25 bins, the two overloaded ones counted
// at the mean of the other 23, which gives the mean of those 23.
TEST_F(StoredStiffnessRun, GivesEveryBinItsRatiosAndResultsAndTheRunItsAveragesAndDensity)
{
    const StiffnessRunResult run = stored("RUN3", test::runThreeRecords());
    ASSERT_EQ(std::pair(run.summaryOnly, run.bins.size()), std::pair(false, size_t(25)));
    EXPECT_EQ(row(run.bins[0]), row("1", "100", "38.7", "45.7", {"7.7", "44244.1", "67.2", "9745.7", "24.9", "3609.5"}));
    EXPECT_EQ(row(run.bins[6]), row("7", "124", "38.1", "43.1", filled(" ")));
    EXPECT_EQ(row(run.bins[17]), row("18", "168", "38.5", "42.6", filled(" ")));
    EXPECT_EQ(row(run.bins[24]), row("25", "196", "42.7", "43.5", {"5.4", "30704.2", "46.6", "6763.2", "17.3", "2504.9"}));
    EXPECT_EQ(run.averages, (Texts{"6.4", "36473.9", "55.4", "8034.1", "20.5", "2975.6"}));
    // t - 0.3 = -0.0406 here: the root keeps its sign, density factor 0.75819.
    EXPECT_EQ((QStringList{run.moistureContent, run.densityPcf, run.densityKgPerM3}), (QStringList{"0.12", "145.1", "2324.0"}));
}

// Results from the stored measure: K = MEASURE as a float, lbf/in = K * 1e6 / (39.37 * 4.448),
// E = K * (1 - 0.35^2) / (1.77 * 0.0254 * 2.25), G = K * 0.65 / (3.54 * 0.0254 * 2.25), psi = MPa * 145,
// worked out in python3 and printed with "%.1f". Run 20 is still a full run.
TEST_F(StoredStiffnessRun, RunsAboveTwentyGiveOneRowPerRunFromTheMeasuredStiffnessAlone)
{
    const StiffnessRunResult twenty = firstBinOnly(test::loadedConstants(), 20);
    ASSERT_EQ(std::pair(twenty.summaryOnly, twenty.bins.size()), std::pair(false, size_t(1)));
    EXPECT_EQ(twenty.bins[0].frequency, "100");

    const StiffnessRunResult run = stored("RUN21", {headerRecord(21, 12.5f, 2.5f), headerRecord(22, 9.75f, 2.5f), headerRecord(23, 15.3f, 2.5f)});
    ASSERT_EQ(std::pair(run.summaryOnly, run.bins.size()), std::pair(true, size_t(3)));
    EXPECT_EQ(row(run.bins[0]), row("21", "NA", "NA", "NA", {"12.5", "71380.5", "108.4", "15723.0", "40.2", "5823.3"}));
    EXPECT_EQ(run.averages, Texts{});
    EXPECT_EQ((QStringList{run.moistureContent, run.densityPcf, run.densityKgPerM3}), (QStringList{"0.12", "NA", "NA"}));
}

// K of bin 1 is 7.7479 MN/m. With the intercept 0 the density factor no longer depends on it:
// 1 + 1.2 * signed root of (slope - 0.3).
TEST(StiffnessDensity, FollowsTheCalibrationLine)
{
    const std::array<const char *, 7> cases[] = {
        // moisture, slope, intercept, Po pcf, Po kg/m^3; density pcf and kg/m^3.
        // slope - 0.3 = -0.04: root -0.2, factor 0.76; 114 / 0.76 = 150 shows without decimals.
        {"0.12", "0.26", "0", "114", "1900", "150", "2500.0"},
        // slope - 0.3 = 0.25: factor 1.6; 101.2 / 1.6 and 1010 / 1.6 are exact ties (63.25, 631.25).
        {"0.12", "0.55", "0", "101.2", "1010", "63.2", "631.2"},
        // w = 0.1, S = 0.25, I = 0.5: t - 0.3 = -0.0435467, factor 0.749586.
        {"0.1", "0.25", "0.5", "110", "1762", "146.7", "2350.6"},
        // Without a moisture content there is no estimate.
        {"0", "0.26", "0", "114", "1900", "NA", "NA"},
    };
    for (const auto &c : cases) {
        StiffnessConstants constants = test::loadedConstants();
        const int set[] = {MeasMs, Slopes, Interc, Densit, Densi2};
        for (int i = 0; i < 5; ++i)
            constants[size_t(set[i])] = StiffnessConstant::fromText(c[size_t(i)]);
        const StiffnessRunResult run = firstBinOnly(constants);
        EXPECT_EQ((QStringList{run.densityPcf, run.densityKgPerM3}), (QStringList{c[5], c[6]})) << c[1] << " " << c[2];
    }
}

TEST(StiffnessConstantsAllZero, LeaveTheCalibrationTermAloneAndModuliForPoissonZero)
{
    StiffnessConstants zero;
    zero.fill(StiffnessConstant::fromNumber(0));
    const StiffnessRunResult run = firstBinOnly(zero);
    // K = -2.5 (ac + bd) / (a^2 + b^2) = 7.4279; E = K / 0.1011555, G = K / 0.202311 (python3).
    EXPECT_EQ(run.bins[0].results, (Texts{"7.4", "42440.6", "73.5", "10653.4", "36.7", "5326.7"}));
    EXPECT_EQ((QStringList{run.averages[StiffnessMnPerM], run.densityPcf, run.moistureContent}), (QStringList{"7.4", "NA", "0"}));
}

TEST(StiffnessValuesThatCannotBeComputed, ShowNotAvailableAndStayOutOfTheAverages)
{
    const auto &bins = test::twentyFiveBins();
    test::BinCounts quietNoise = bins[0];
    quietNoise.realDisplNd = quietNoise.imagDisplNd = 2048;  // 0 V: no noise power
    test::BinCounts stillDisplacement = bins[1];
    stillDisplacement.realDisplSd = stillDisplacement.imagDisplSd = 2048;  // no signal displacement
    StiffnessRecord noFrequency = binRecord(bins[2]);
    noFrequency.frequency = QVariant();
    StiffnessRecord noFlag = binRecord(bins[3]);
    noFlag.signalOverload = QVariant();

    const StiffnessRunResult run = ComputeStiffnessRun(
        {headerRecord(3, 11.25f, 2.5f), binRecord(quietNoise), binRecord(stillDisplacement), noFrequency, noFlag}, test::loadedConstants());
    ASSERT_EQ(run.bins.size(), 4u);
    EXPECT_EQ((QStringList{run.bins[0].displacementSnr, run.bins[0].forceSnr, run.bins[0].results[StiffnessMnPerM]}),
              (QStringList{"NA", "45.7", "7.7"}));
    EXPECT_EQ((std::tuple{run.bins[1].displacementSnr, run.bins[1].results, run.bins[2].frequency, run.bins[2].results, run.bins[3].results}),
              (std::tuple{QString("NA"), filled("NA"), QString(""), filled("NA"), filled(" ")}));
    EXPECT_EQ(run.averages, (Texts{"7.7", "44244.1", "67.2", "9745.7", "24.9", "3609.5"}));

    const StiffnessRunResult overloaded = ComputeStiffnessRun({headerRecord(3, 11.25f, 2.5f), binRecord(bins[6])}, test::loadedConstants());
    EXPECT_EQ((std::tuple{overloaded.averages, overloaded.densityPcf, overloaded.densityKgPerM3}), (std::tuple{filled("NA"), QString("NA"), QString("NA")}));
    const StiffnessRunResult empty = ComputeStiffnessRun({}, test::loadedConstants());
    EXPECT_EQ(std::pair(empty.bins.size(), empty.averages), std::pair(size_t(0), filled("NA")));
}

} // namespace
