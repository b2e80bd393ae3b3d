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

TEST(SettingsFile, TextIsWrittenAsUtf8AndReadsBack)
{
    test::TempHome home;
    const QString path = home.path() + "/info/Info.vkt";
    ASSERT_TRUE(SettingsFile::writeQuotedRecord(path, {QString::fromUtf8("Façade – Ñandú Labs €")}));
    EXPECT_EQ(home.readFile("info/Info.vkt"), QByteArray("\"Fa\xC3\xA7" "ade \xE2\x80\x93 \xC3\x91" "and\xC3\xBA Labs \xE2\x82\xAC\r\"\r\n"));
    const auto lines = SettingsFile::readRecordLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->value(0), QString::fromUtf8("Façade – Ñandú Labs €"));
}

TEST(SettingsFile, FilesOfTheEarlierProgramReadInTheWindowsCodePage)
{
    struct Case {
        QByteArray bytes;
        const char *text;
    };
    const std::vector<Case> cases{
        {"\"Fa\xE7" "ade\r\"\r\n", "Façade"},
        {"\"\x93Quoted\x94 \x96 10 \x80\r\"\r\n", "“Quoted” – 10 €"},
        // Bytes that begin a UTF-8 sequence without finishing it.
        {"\"Tom\xE1s L\xF3pez\r\"\r\n", "Tomás López"},
        {"\"Ends in \xC3\r\"\r\n", "Ends in Ã"},
    };
    test::TempHome home;
    for (const Case &c : cases) {
        home.writeFile("info/Info.vkt", c.bytes);
        const auto lines = SettingsFile::readRecordLines(home.path() + "/info/Info.vkt");
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(lines->value(0), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST(SettingsFile, AFileEndingInsideAUtf8SequenceIsNotUtf8)
{
    test::TempHome home;
    home.writeFile("info/StiffnessCons.vkt", "Remark = Fa\xC3");
    const auto lines = SettingsFile::readLines(home.path() + "/info/StiffnessCons.vkt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, QStringList{QString::fromUtf8("Remark = FaÃ")});
}
