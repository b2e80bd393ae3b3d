#include "common/SettingsFile.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

class SettingsFileTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return home.path() + "/info/" + name; }
    test::TempHome home;
};

TEST_F(SettingsFileTest, AQuotedRecordIsWrittenAsUtf8ByteForByteAndReadsBackOneLinePerItem)
{
    const QStringList items{"Acme Labs", "Col 2", QString::fromUtf8("Façade – Ñandú €")};
    ASSERT_TRUE(SettingsFile::writeQuotedRecord(path("Info.vkt"), items));
    EXPECT_EQ(home.readFile("info/Info.vkt"),
              QByteArray("\"Acme Labs\rCol 2\rFa\xC3\xA7" "ade \xE2\x80\x93 \xC3\x91" "and\xC3\xBA \xE2\x82\xAC\r\"\r\n"));
    EXPECT_EQ(SettingsFile::readRecordLines(path("Info.vkt")).value_or(QStringList()).mid(0, 3), items);
}

TEST_F(SettingsFileTest, LinesAreWrittenWithCarriageReturnAndLineFeedAndReadWithAnyEnd)
{
    ASSERT_TRUE(SettingsFile::writeLines(path("S.vkt"), {"MeasMs = 0.12", "Assmas = 4.5"}));
    EXPECT_EQ(home.readFile("info/S.vkt"), QByteArray("MeasMs = 0.12\r\nAssmas = 4.5\r\n"));
    home.writeFile("info/x.vkt", "a\r\nb\rc\nd");
    EXPECT_EQ(SettingsFile::readLines(path("x.vkt")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_FALSE(SettingsFile::readLines(path("none.vkt")).has_value());

    // A folder where the file should go cannot be written: the old file beside it is untouched.
    EXPECT_FALSE(SettingsFile::writeLines(home.path() + "/info", {"x"}));
    EXPECT_EQ(home.readFile("info/S.vkt"), QByteArray("MeasMs = 0.12\r\nAssmas = 4.5\r\n"));
}

TEST_F(SettingsFileTest, FilesOfTheEarlierProgramReadInTheWindowsCodePage)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"\"Fa\xE7" "ade\r\"\r\n", "Façade"},
        {"\"\x93Quoted\x94 \x96 10 \x80\r\"\r\n", "“Quoted” – 10 €"},
        // Bytes that begin a UTF-8 sequence without finishing it.
        {"\"Tom\xE1s L\xF3pez\r\"\r\n", "Tomás López"},
        {"\"Ends in \xC3\r\"\r\n", "Ends in Ã"},
    };
    for (const auto &[bytes, text] : cases) {
        home.writeFile("info/Info.vkt", bytes);
        EXPECT_EQ(SettingsFile::readRecordLines(path("Info.vkt")).value_or(QStringList()).value(0), QString::fromUtf8(text)) << text;
    }
}
