// What the project text file cannot carry: values that the printed layouts and the gauge parsers
// together do not bring back as they were. Each test saves a small project, opens the saved file
// and shows what came back.
#include "db/Database.h"
#include "project/ProjectOpen.h"
#include "project/ProjectSave.h"
#include "db/TableKinds.h"
#include "support/ProjectSnapshot.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

class TextFileLimits : public ::testing::Test {
protected:
    // Saves the tables (only selected when it is given), opens the saved file and returns the
    // database it gave.
    test::ProjectSnapshot reopened(int model, const QString &list, const std::vector<test::TableContent> &tables, const QString &selected = {})
    {
        test::addTables(home.paths(), tables);
        before = test::ProjectSnapshot::of(home.paths());
        state.DeviceCode = model;
        state.Table_List = list;
        state.CurrentTable = selected;
        db::Database connection;
        project::ProjectSave save(home.paths(), state);
        const QString file = home.path() + QStringLiteral("/saved.txt");
        EXPECT_EQ(save.saveSelected(connection, file, false).outcome, project::ProjectSave::Outcome::Saved);
        EXPECT_TRUE(project::ProjectOpen::open(home.paths(), state, file).opened);
        return test::ProjectSnapshot::of(home.paths());
    }

    test::TempHome home;
    AppState state;
    test::ProjectSnapshot before;
};

const QStringList Ng7700aFields{"RDNUM", "RDATE", "ID",   "STAT", "Offset", "DPT",  "SA",   "KVAL", "PADJ", "DSTD",  "MSTD",  "DCNT",
                                "MCNT",  "SPG",   "PAV",  "MAXD", "WETD",   "DRYD", "WAT",  "PWAT", "PCOMP", "SERNUM", "CDATE"};

QStringList soilReading(const QString &number, const QString &depth = QStringLiteral("6"), const QString &serial = QStringLiteral("23817"),
                        const QString &calibrated = QStringLiteral("03/14/05"))
{
    return {number, "01/16/06", "1", "1250", "5", depth, "S", "0", "0", "2815", "652", "1854", "112", "2.7", "3", "128.5",
            "131.2", "118.9", "12.3", "10.3", "92.5", serial, calibrated};
}

TEST_F(TextFileLimits, Ng7700aValuesWiderThanTheirColumnsComeBack)
{
    const QStringList wide{"123", "01/16/2006", "1", "1234567", "-123456", "1234", "S", "1234567", "123456", "1234567", "123456", "1234567",
                           "123456", "12345", "1234", "123456", "123456", "123456", "12345", "12345", "123456", "23817", "03/14/05"};
    const auto after = reopened(NG7700A, "1 ", {{"P1", db::Ng7700aProjectTable, Ng7700aFields, {wide}}});
    EXPECT_EQ(test::ProjectSnapshot::difference(before, after), "");
}

TEST_F(TextFileLimits, Ng7700aReadingNumbersOfFourDigitsAreLost)
{
    // A four-digit number fills its column, so no blank parts it from the end of the line before.
    const auto after = reopened(NG7700A, "1 ", {{"P1", db::Ng7700aProjectTable, Ng7700aFields, {soilReading("998"), soilReading("999"), soilReading("1000")}}});
    const auto &p1 = after.tables.at("P1");
    ASSERT_FALSE(p1.empty());
    EXPECT_EQ(p1[0].at("RDNUM").toInt(), 998);
    EXPECT_EQ(p1[0].at("PCOMP").toFloat(), 92.5f);
    for (size_t r = 0; r < p1.size(); ++r)
        EXPECT_NE(p1[r].at("RDNUM").toInt(), 1000);
}

TEST_F(TextFileLimits, Ng7700aTextWithABlankLosesTheRestOfItsSection)
{
    const auto after = reopened(NG7700A, "1 ", {{"P1", db::Ng7700aProjectTable, Ng7700aFields, {soilReading("1"), soilReading("2", "B S"), soilReading("3")}}});
    ASSERT_EQ(after.tables.at("P1").size(), 1u);
    EXPECT_EQ(after.tables.at("P1")[0].at("RDNUM").toInt(), 1);
}

TEST_F(TextFileLimits, Ng7700aCalibrationDateKeepsOnlyDigitsAndSlashes)
{
    const auto dashed = reopened(NG7700A, "1 ", {{"P1", db::Ng7700aProjectTable, Ng7700aFields, {soilReading("1", "6", "23817", "2005-03-14")}}});
    ASSERT_EQ(dashed.tables.at("P1").size(), 1u);
    EXPECT_EQ(dashed.tables.at("P1")[0].at("CDATE").toString(), QStringLiteral("20050314"));
    EXPECT_EQ(dashed.tables.at("P1")[0].at("SERNUM").toInt(), 23817);
}

const QStringList Ng7700bHeader{"RDNUM", "ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD"};
const QStringList Ng7700bReading{"RDNUM", "Time", "STAT1TO", "STAT1", "Offset", "STAT2", "LANE", "DPT", "SA", "ADJ",
                                 "DC",    "MC",   "AV",      "WD",    "DD",     "M",     "PERCM", "PERC_COMP", "VR"};
const QStringList Ng7700bValues{"1", "9:30", "1+00", "10+50", "5R", "2", "1", "6", "S", "0", "2345", "456", "4.5", "128.4", "118.2", "10.2", "8.6", "96.5", "A"};

TEST_F(TextFileLimits, Ng7700bProjectsTakeTheSerialNumberOfTheFirst)
{
    const auto after = reopened(NG7700B, "1 2 ", {
        {"P1", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "1", "5678", "02/03/04", "03/04/04", "2345", "678", "0", "2.65", "125.5", "118"}}},
        {"P1", test::SameTable, Ng7700bReading, {Ng7700bValues}},
        {"P2", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "2", "9999", "09/09/09", "03/04/04", "2345", "678", "0", "2.65", "125.5", "118"}}},
        {"P2", test::SameTable, Ng7700bReading, {Ng7700bValues}},
    });
    ASSERT_EQ(after.tables.at("P2").size(), 2u);
    EXPECT_EQ(after.tables.at("P2")[0].at("SERNUM").toInt(), 5678);
    EXPECT_EQ(after.tables.at("P2")[0].at("CDATE").toString(), QStringLiteral("02/03/04"));
}

TEST_F(TextFileLimits, Ng7700bEmptyProjectValueLosesTheValueAfterIt)
{
    const auto after = reopened(NG7700B, "1 ", {
        {"P1", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "1", "5678", "02/03/04", "03/04/04", "~", "678", "0", "2.65", "125.5", "118"}}},
        {"P1", test::SameTable, Ng7700bReading, {Ng7700bValues}},
    });
    const auto &p1 = after.tables.at("P1");
    ASSERT_EQ(p1.size(), 2u);
    EXPECT_TRUE(p1[0].at("DSTD").isNull());
    EXPECT_TRUE(p1[0].at("MSTD").isNull());
    EXPECT_EQ(p1[0].at("KVAL").toFloat(), 0.0f);
}

const QStringList Sg2150Header{"BIN_NUMBER", "RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME"};
const QStringList Sg2150Bin{"BIN_NUMBER",    "FREQUENCY",     "REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND",
                            "IMAG_FORCE_ND", "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD",
                            "NOISE_OL_FLAG", "SIGNL_OL_FLAG", "DSNR",          "FSNR"};

QStringList bin(const QString &number, const QString &forceRatio)
{
    return {number, "100", "1", "2", "3", "4", "5", "6", "7", "8", "0", "0", "12.5", forceRatio};
}

TEST_F(TextFileLimits, Sg2150ForceRatioOfOneCharacterLosesTheRestOfTheFile)
{
    // FSNR is right-aligned to two characters after the blank that follows DSNR: "12.5  7". Two
    // blanks between the ratios are an error to the run parser, and every token after it fails.
    const auto after = reopened(SG2150, "RUN1 RUN2 ", {
        {"RUN1", db::StiffnessRunTable, Sg2150Header, {{"0", "1", "15.3", "1.02", "01/15/04", "10:15"}}},
        {"RUN1", test::SameTable, Sg2150Bin, {bin("1", "13.2"), bin("2", "7"), bin("3", "14.1")}},
        {"RUN2", db::StiffnessRunTable, Sg2150Header, {{"0", "2", "16.1", "1.02", "01/15/04", "10:20"}}},
    });
    ASSERT_EQ(after.tables.count("RUN1"), 1u);
    EXPECT_EQ(after.tables.at("RUN1").size(), 2u);
    EXPECT_EQ(after.tables.count("RUN2"), 0u);
    EXPECT_EQ(state.Table_List, QStringLiteral("RUN1 "));
}

const QStringList Ld4800Fields{"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"};

TEST_F(TextFileLimits, Ld4800TestSavedAloneComesBackAsTheFirstOfItsKind)
{
    const auto after = reopened(LD4800, "CBR_LBR1 CBR_LBR2 ", {
        {"CBR_LBR1", db::LoggerTestTable, Ld4800Fields, {{"1", "00:30", "1", "2", "3", "4", "A", "B", "C", "D"}}},
        {"CBR_LBR2", db::LoggerTestTable, Ld4800Fields, {{"1", "00:45", "5", "6", "7", "8", "A", "B", "C", "D"}}},
    }, "CBR_LBR2");
    EXPECT_EQ(state.Table_List, QStringLiteral("CBR_LBR1 "));
    EXPECT_EQ(after.tables.at("CBR_LBR1"), before.tables.at("CBR_LBR2"));
}

TEST_F(TextFileLimits, Ld4800ValuesWiderThanTheirColumnsComeBack)
{
    // Channel values as a download stores them: a 32-bit float shown with four decimals. Others
    // are read back that way (-98765.4321 comes back as -98765.4297).
    const auto after = reopened(LD4800, "CBR_LBR1 ", {{"CBR_LBR1", db::LoggerTestTable, Ld4800Fields,
                                                       {{"1", "00:00:30.25", "123456.7891", "-98765.4297", "3", "4", "A", "B", "C", "D"}}}});
    EXPECT_EQ(test::ProjectSnapshot::difference(before, after), "");
}

TEST_F(TextFileLimits, Ld4800EmptyChannelNameMovesTheNamesAfterIt)
{
    const auto after = reopened(LD4800, "CBR_LBR1 ", {{"CBR_LBR1", db::LoggerTestTable, Ld4800Fields, {{"1", "00:30", "1", "2", "3", "4", "", "B", "C", "D"}}}});
    const auto &t = after.tables.at("CBR_LBR1");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].at("CH1NAME").toString(), QStringLiteral("B"));
    EXPECT_EQ(t[0].at("CH2NAME").toString(), QStringLiteral("C"));
    EXPECT_EQ(t[0].at("CH4NAME").toString(), QStringLiteral("D"));
    EXPECT_EQ(t[0].at("CH4").toDouble(), 4.0);
}

} // namespace
