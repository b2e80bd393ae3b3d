#include "common/SettingsFile.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

TEST(SettingsFile, QuotedRecordHasItsExactBytes)
{
    test::TempHome home;
    const QString path = home.path() + "/info/Info.vkt";
    ASSERT_TRUE(SettingsFile::writeQuotedRecord(path, {"Acme Labs", "Empty", "Tests (a.txt)"}));
    EXPECT_EQ(home.readFile("info/Info.vkt"), QByteArray("\"Acme Labs\rEmpty\rTests (a.txt)\r\"\r\n"));
}

TEST(SettingsFile, QuotedRecordReadsBackOneLinePerItemWithoutQuotes)
{
    test::TempHome home;
    const QString path = home.path() + "/info/LayoutC.vkt";
    ASSERT_TRUE(SettingsFile::writeQuotedRecord(path, {"WD", "Col 2", "Remarks"}));
    const auto lines = SettingsFile::readRecordLines(path);
    ASSERT_TRUE(lines.has_value());
    ASSERT_GE(lines->size(), 3);
    EXPECT_EQ(lines->at(0), "WD");
    EXPECT_EQ(lines->at(1), "Col 2");
    EXPECT_EQ(lines->at(2), "Remarks");
}

TEST(SettingsFile, LinesEndWithCarriageReturnAndLineFeed)
{
    test::TempHome home;
    const QString path = home.path() + "/info/StiffnessCons.vkt";
    ASSERT_TRUE(SettingsFile::writeLines(path, {"MeasMs = 0.12", "Assmas = 4.5"}));
    EXPECT_EQ(home.readFile("info/StiffnessCons.vkt"), QByteArray("MeasMs = 0.12\r\nAssmas = 4.5\r\n"));
}

TEST(SettingsFile, ReadingAcceptsEveryLineEnd)
{
    test::TempHome home;
    home.writeFile("info/x.vkt", "a\r\nb\rc\nd");
    const auto lines = SettingsFile::readLines(home.path() + "/info/x.vkt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (QStringList{"a", "b", "c", "d"}));
}

TEST(SettingsFile, MissingFileIsNotRead)
{
    test::TempHome home;
    EXPECT_FALSE(SettingsFile::readLines(home.path() + "/info/none.vkt").has_value());
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileWhole)
{
    test::TempHome home;
    const QString path = home.path() + "/info/DBTbles.vkt";
    ASSERT_TRUE(SettingsFile::writeLines(path, {"1", "\"12 \""}));
    // A folder where the file should go cannot be written: the old file beside it is untouched.
    EXPECT_FALSE(SettingsFile::writeLines(home.path() + "/info", {"x"}));
    EXPECT_EQ(home.readFile("info/DBTbles.vkt"), QByteArray("1\r\n\"12 \"\r\n"));
}
