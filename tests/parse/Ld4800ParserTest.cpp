#include "ParseTestSupport.h"
#include "db/DatabaseLock.h"

using namespace valtrane;
using Ld4800Parser = valtrane::test::ParseFixture;

namespace {

constexpr test::ParseCall LD = &parse::Parse::Parse_LD4800;
const QStringList RowFields{"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"};

test::Ld4800Test loggerTest(const QString &heading, const QString &load)
{
    return {heading, {"LOAD", "PENETRATN", "SWELL", "TEMP"}, {{"1", "00:00:00", "0.0", "0", "0.0125", "20.5"}, {"2", "00:00:30", load, "0.025", "0.0125", "20.5"}}};
}

} // namespace

TEST_F(Ld4800Parser, FilesEachTestAsATableNamedByKindAndCount)
{
    const QByteArray stream = test::ld4800Report({loggerTest("CBR/LBR TEST", "41.25"), loggerTest("MARSHALL TEST", "812"), loggerTest("CBR/LBR TEST", "38.5")});
    EXPECT_EQ(feed(LD, stream), (std::vector<int>{89, 89, 89}));
    EXPECT_EQ(openSaved(LD4800, stream), "CBR_LBR1 MARSHALL1 CBR_LBR2 ");
    const auto cbr = rows("CBR_LBR2");
    EXPECT_TRUE(cbr.size() == 2 && test::rowHolds(cbr[1], RowFields, {"2", "00:00:30", "38.5", "0.025", "0.0125", "20.5", "LOAD", "PENETRATN", "SWELL", "TEMP"}));
    const auto marshall = rows("MARSHALL1");
    EXPECT_TRUE(marshall.size() == 2 && test::rowHolds(marshall[1], {"CH1"}, {"812"}));
}

TEST_F(Ld4800Parser, KeepsChannelValuesToFourDecimalsAndATrailingCommaLeavesTheReadingUnsaved)
{
    feed(LD, "U.C. TEST\r\nRD #, TIME, A, B, C, D\r\n1, 00:00:01, 1.23456, 2.5, 3.00004, 4.99996\r\n");
    const auto uc = rows("UC1");
    EXPECT_TRUE(uc.size() == 1 && test::rowHolds(uc[0], {"CH1", "CH2", "CH3", "CH4"}, {"1.2346", "2.5", "3", "5"}));

    feed(LD, "END\r\nDIRECT SHEAR TEST\r\nRD #, TIME, A, B, C, D\r\n1, 00:00:01, 1, 2, 3, 3.2,\r\n2, 00:00:02, 1, 2, 3, 4\r\n");
    const auto shear = rows("DSHEARTEST1");
    EXPECT_TRUE(shear.size() == 1 && test::rowHolds(shear[0], {"READNUMBER", "CH4"}, {"2", "4"}));
}

TEST_F(Ld4800Parser, ChannelNameLinesOfOtherShapes)
{
    // "()" names an unused channel; a comma right after the third name leaves channel 4 "CH 4".
    feed(LD, "TRIAXIAL TEST\r\nRD #, TIME, LOAD, (), DEFL,\r\n1, 00:00:01, 1, 2, 3, 4\r\n");
    const auto triaxial = rows("TRIAXIAL1");
    EXPECT_TRUE(triaxial.size() == 1 && test::rowHolds(triaxial[0], {"CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"}, {"LOAD", "NONE", "DEFL", "CH 4"}));
    // With five fields the fifth names channel 4.
    feed(LD, "END\r\nSOIL CEMENT TEST\r\nRD #, TIME, LOAD, DEFL, STRAIN\r\n1, 00:00:01, 1, 2, 3, 4\r\n");
    const auto soilCement = rows("S_C_TEST1");
    EXPECT_TRUE(soilCement.size() == 1 && test::rowHolds(soilCement[0], {"CH2NAME", "CH4NAME"}, {"DEFL", "STRAIN"}));
}

TEST_F(Ld4800Parser, HeadingsMustMatchExactlyAndATokenBeginningWithEndCompletesTheTest)
{
    feed(LD, "CBR/LBR  TEST\r\nMARSHALL TEST\r\n");
    EXPECT_EQ((std::pair{parse.retrn_message(), test::tableNames(home.paths())}), std::pair(QString("MARSHALL1 "), QStringList{"MARSHALL1"}));
    EXPECT_EQ(feed(LD, "ENDPOINT"), std::vector<int>{89});
    feed(LD, "\r\n1, 00:00:01, 1, 2, 3, 4\r\n");
    EXPECT_TRUE(rows("MARSHALL1").empty());
}

TEST_F(Ld4800Parser, EndByteClosesTheDatabase)
{
    feed(LD, "MARSHALL TEST\r\n");
    feed(LD, "\xFD" "1, 00:00:01, 1, 2, 3, 4\r", true);
    EXPECT_EQ((std::pair{db::DatabaseLock::isLocked(home.paths().lockFile()), test::tableRows(home.paths(), "MARSHALL1").empty()}), std::pair(false, true));
}
