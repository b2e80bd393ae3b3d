#include "common/AppState.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

const QStringList SoilFields{"RDNUM", "RDATE", "ID",  "STAT", "Offset", "DPT",  "SA",   "KVAL", "PADJ", "DSTD", "MSTD",
                             "DCNT",  "MCNT",  "SPG", "PAV",  "MAXD",   "WETD", "DRYD", "WAT",  "PWAT", "PCOMP"};

// The lines of the file written for the table P1 of an NG7700A project.
QStringList reportLines(test::TempHome &home, const std::vector<QStringList> &records)
{
    test::addTables(home.paths(), {{"P1", db::Ng7700aProjectTable, SoilFields, records}});
    return QString::fromLatin1(test::writtenText(home.paths(), NG7700A, QStringLiteral("1 "))).split(QStringLiteral("\r\n"));
}

// Lines of a soil section: model code, blank, title, blank, headings, dashes, then the records.
constexpr int FirstRecordLine = 6;

// Characters from column c (counted from 1) for n characters.
QString columns(const QString &line, int c, int n)
{
    return line.mid(c - 1, n);
}

TEST(Ng7700aReport, EveryValueStaysAFieldOfItsOwnWhenValuesOverflowTheirColumns)
{
    test::TempHome home;
    const QStringList wide{"123456", "01/15/2004", "PROJECT1", "1234567", "-123456", "1234", "S",      "1234567", "123456", "1234567", "123456",
                           "1234567", "123456",    "12345",    "1234",    "123456",  "123456", "123456", "12345",   "12345",  "123456"};
    const QStringList lines = reportLines(home, {wide});
    ASSERT_GT(lines.size(), FirstRecordLine);
    EXPECT_EQ(lines[FirstRecordLine].split(QLatin1Char(' '), Qt::SkipEmptyParts), wide);
    // Up to the first overflow the columns hold.
    EXPECT_EQ(columns(lines[FirstRecordLine], 1, 7), QStringLiteral("123456 "));
}

TEST(Ng7700aReport, EmptyValuesLeaveTheirColumnBlankAndStayOutOfTheAverages)
{
    test::TempHome home;
    const QStringList lines = reportLines(home, {
        {"1", "01/15/04", "1", "100", "5", "~", "S", "0", "0", "2345", "678", "1234", "234", "2.7", "4", "125.5", "100", "90", "10", "~", "95"},
        {"2", "01/15/04", "1", "110", "5", "6", "S", "0", "0", "2345", "678", "1234", "234", "2.7", "4", "125.5", "~", "91", "10", "~", "96"},
        {"3", "01/15/04", "1", "120", "5", "6", "S", "0", "0", "2345", "678", "1234", "234", "2.7", "4", "125.5", "110", "92", "10", "~", "97"},
    });
    ASSERT_GT(lines.size(), FirstRecordLine + 6);
    EXPECT_EQ(columns(lines[FirstRecordLine], 38, 5), QStringLiteral("     "));      // DPT
    EXPECT_EQ(columns(lines[FirstRecordLine + 1], 104, 7), QStringLiteral("       ")); // WETD
    EXPECT_EQ(columns(lines[FirstRecordLine + 1], 112, 5), QStringLiteral("   91"));   // DRYD stays in place

    const QString &averages = lines[FirstRecordLine + 4];
    const QString &deviations = lines[FirstRecordLine + 5];
    ASSERT_TRUE(averages.startsWith(QString(78, QLatin1Char(' ')) + QStringLiteral("AVERAGE OF ALL DATA:")));
    ASSERT_TRUE(deviations.startsWith(QString(78, QLatin1Char(' ')) + QStringLiteral("SAMPLE DEVIATIONS:")));
    // WETD over its two readings: 105.0, and a deviation of the square root of 50.
    EXPECT_EQ(columns(averages, 105, 5), QStringLiteral("105.0"));
    EXPECT_EQ(columns(deviations, 105, 5), QStringLiteral("  7.1"));
    // WAT is the same in every record: no spread.
    EXPECT_EQ(columns(averages, 119, 4), QStringLiteral("10.0"));
    EXPECT_EQ(columns(deviations, 119, 4), QStringLiteral(" 0.0"));
    // PWAT has no reading at all: nothing to show.
    EXPECT_EQ(columns(averages, 125, 4), QStringLiteral("    "));
    EXPECT_EQ(columns(deviations, 125, 4), QStringLiteral("    "));
    EXPECT_EQ(columns(averages, 132, 5), QStringLiteral(" 96.0"));
}

} // namespace
