#include "ParseTestSupport.h"

using namespace valtrane;
using Sg2150Parser = valtrane::test::ParseFixture;

namespace {

constexpr test::ParseCall SG = &parse::Parse::Parse_SG2150;
const QStringList HeaderFields{"RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME"};
const QStringList BinFields{"BIN_NUMBER",    "FREQUENCY",     "REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND",
                            "IMAG_FORCE_ND", "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD",
                            "NOISE_OL_FLAG", "SIGNL_OL_FLAG", "DSNR",          "FSNR"};

QStringList bin(int n)
{
    return {QString::number(n), QString::number(96 + 4 * n), "-69", "-246", "4", "266", "8395", "-17112", "2681", "-1612", "0", "1", "21.9", "31.7"};
}

test::Sg2150Run run(int number, int bins)
{
    test::Sg2150Run r{{QString::number(number), "1", "0.9871", "01/16/06", "09:45:12"}, {}};
    for (int n = 1; n <= bins; ++n)
        r.bins.append(bin(n));
    return r;
}

} // namespace

TEST_F(Sg2150Parser, FilesEachRunWithItsHeaderRowAndBins)
{
    EXPECT_EQ(openSaved(SG2150, test::sg2150Report({run(7, 3), run(8, 2)})), "RUN7 RUN8 ");
    const auto run7 = rows("RUN7");
    ASSERT_EQ(run7.size(), 4u);
    EXPECT_TRUE(test::rowHolds(run7[0], HeaderFields + QStringList{"BIN_NUMBER", "FREQUENCY", "DSNR"}, run(7, 0).header + QStringList{"0", "", ""}));
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(test::rowHolds(run7[size_t(n)], BinFields, bin(n))) << "bin " << n;
    EXPECT_EQ(rows("RUN8").size(), 3u);
}

TEST_F(Sg2150Parser, RunsFromTheTwentyFirstOnAreOneRowEachInRun21)
{
    QList<test::Sg2150Run> runs;
    for (int n = 1; n <= 23; ++n)
        runs.append(run(n, n <= 20 ? 1 : 0));
    feed(SG, test::sg2150Report(runs));
    EXPECT_TRUE(parse.retrn_message().endsWith("RUN19 RUN20 RUN21 "));
    EXPECT_EQ(rows("RUN20").size(), 2u);
    const auto summary = rows("RUN21");
    ASSERT_EQ(summary.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const QString number = QString::number(21 + i);
        EXPECT_TRUE(test::rowHolds(summary[size_t(i)], {"BIN_NUMBER", "RUN_NUMBER", "MEASURE", "TIME"}, {number, number, "1", "09:45:12"}));
    }
}

TEST_F(Sg2150Parser, ReadsRunLabelsDatesTimesAndSignalToNoisePairs)
{
    const QByteArray stream = "#, 3, 2, 1.5, D:, 2006-01-16, T:, NOON\r\n"
                              "1, 100.5, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 12.5 13.2,\r\n"
                              "2, 104, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 14.1\r\n"
                              "R#, 4, 2, 1.5, D:, X, T:, Y\r\n";
    EXPECT_EQ((std::pair{feed(SG, stream).empty(), parse.retrn_message()}), std::pair(true, QString("RUN3 RUN4 ")));
    const auto run3 = rows("RUN3");
    ASSERT_EQ(run3.size(), 3u);
    EXPECT_TRUE(test::rowHolds(run3[0], HeaderFields, {"3", "2", "1.5", "2006-01-16", "NOON"}));
    // 100.5 rounds to the even 100; the empty token after the trailing comma is dropped.
    EXPECT_TRUE(test::rowHolds(run3[1], {"FREQUENCY", "DSNR", "FSNR"}, {"100", "12.5", "13.2"}) && test::rowHolds(run3[2], {"DSNR", "FSNR"}, {"14.1", ""}));
}

TEST_F(Sg2150Parser, ReportsAnErrorForAValueItCannotStore)
{
    const QByteArray twoBlanks = "R#, 1, 1, 1, D:, 1, T:, 1\r\n1, 100, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 12.5  13.2\r\n";
    EXPECT_EQ(feed(SG, twoBlanks), std::vector<int>{9876});
    ASSERT_EQ(parse.Initit(QString()), 0);
    // A second bin 1 of the same run cannot be saved under the same key.
    const QByteArray repeatedBin = "R#, 2, 1, 1, D:, 1, T:, 1\r\n1, 100, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 12.5\r\n1, 100, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 12.5\r\n";
    EXPECT_EQ(feed(SG, repeatedBin), std::vector<int>{9876});
}
