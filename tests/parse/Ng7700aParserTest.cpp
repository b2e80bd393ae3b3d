#include "ParseTestSupport.h"

using namespace valtrane;
using Ng7700aParser = valtrane::test::ParseFixture;

namespace {

constexpr test::ParseCall NGA = &parse::Parse::Parse_NG7700A;
const QStringList ReadingFields{"RDNUM", "RDATE", "ID",   "STAT", "OFFSET", "DPT",  "SA",   "KVAL", "PADJ", "DSTD", "MSTD",
                                "DCNT",  "MCNT",  "SPG",  "PAV",  "MAXD",   "WETD", "DRYD", "WAT",  "PWAT", "PCOMP"};
const QStringList AsphaltFields{"RDNUM", "RDATE", "ID", "STAT", "OFFSET", "DPT",  "SA",  "KVAL", "PADJ", "DSTD",
                                "MSTD",  "DCNT",  "MCNT", "SPG", "PAV",   "MAXD", "PAC", "DENS", "PCOMP"};

QStringList soil(const QString &rd, const QString &project)
{
    return {rd, "01/16/06", project, "1250", "5.0", "6", "S", "0.0", "0.0", "2815", "652",
            "1854", "112", "2.70", "3", "128.5", "131.2", "118.9", "12.3", "10.3", "92.5"};
}

QStringList asphalt(const QString &rd, const QString &project)
{
    return {rd, "01/18/06", project, "1400", "-3.0", "BS", "A", "-2.0", "0.0", "2811", "655",
            "1625", "98", "2.45", "6", "151.2", "5.5", "143.9", "95.2"};
}

} // namespace

TEST_F(Ng7700aParser, FilesEachReadingInItsProjectTableWithTheTitleLineValues)
{
    const QList<test::Ng7700aSection> report{
        {"23817", "03/14/05", {soil("1", "12.4"), soil("2", "7"), soil("3", "12.4")}},
        {"23818", "04/01/05", {asphalt("4", "12.4"), asphalt("5", "15"), soil("6", "15")}},
    };
    EXPECT_EQ(openSaved(NG7700A, test::ng7700aReport(report)), "12.4 7 15 ");

    const auto p124 = rows("P124");
    ASSERT_EQ(p124.size(), 3u);
    EXPECT_TRUE(test::rowHolds(p124[0], ReadingFields + QStringList{"SERNUM", "CDATE"}, soil("1", "12.4") + QStringList{"23817", "03/14/05"}));
    EXPECT_TRUE(test::rowHolds(p124[1], ReadingFields, soil("3", "12.4")));
    EXPECT_TRUE(test::rowHolds(p124[2], AsphaltFields, asphalt("4", "12.4")));
    // The asphalt section's title line brings its own serial number and date.
    EXPECT_TRUE(test::rowHolds(p124[2], {"SERNUM", "CDATE", "WETD", "DRYD", "WAT", "PWAT"}, {"23818", "04/01/05", "", "", "", ""}));

    const auto p15 = rows("P15");
    ASSERT_EQ(p15.size(), 2u);
    // The soil reading after an asphalt one begins with its own read number.
    EXPECT_TRUE(test::rowHolds(p15[1], ReadingFields, soil("6", "15")));
    EXPECT_EQ(rows("P7").size(), 1u);
}

TEST_F(Ng7700aParser, HeadingsDashesAndAveragesStoreNothing)
{
    const QList<test::Ng7700aSection> report{{"23817", "03/14/05", {}}};
    feed(NGA, test::ng7700aReport(report));
    EXPECT_EQ((std::pair{parse.retrn_message(), test::tableNames(home.paths())}), std::pair(QString(), QStringList()));
}

TEST_F(Ng7700aParser, ReadsNoReadingBeforeATitleLine)
{
    const QByteArray reading = "   1  01/16/06   12.4  1250  5.0  6  S  0.0  0.0  2815  652  1854  112  2.70  3  128.5  131.2  118.9  12.3  10.3  92.5\r\n   \r\n";
    feed(NGA, QByteArray("RD #  DATE\r\n") + reading);
    EXPECT_TRUE(rows("P124").empty());
}

TEST_F(Ng7700aParser, UnreadableColumnLeavesTheReadingUnsaved)
{
    QStringList bad = soil("2", "12.4");
    bad[3] = "12+50";
    const QList<test::Ng7700aSection> report{{"23817", "03/14/05", {soil("1", "12.4"), bad}}};
    feed(NGA, test::ng7700aReport(report));
    const auto p124 = rows("P124");
    EXPECT_TRUE(p124.size() == 1 && test::rowHolds(p124[0], {"RDNUM"}, {"1"}));
}
