#include "ParseTestSupport.h"

using namespace valtrane;
using Ng7700bParser = valtrane::test::ParseFixture;

namespace {

constexpr test::ParseCall NGB = &parse::Parse::Parse_NG7700B;
const QStringList HeaderFields{"DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD"};
const QStringList ReadingFields{"RDNUM", "TIME", "STAT1TO", "STAT1", "OFFSET", "STAT2", "LANE", "DPT", "SA", "ADJ",
                                "DC",    "MC",   "AV",      "WD",    "DD",     "M",     "PERCM", "PERC_COMP", "VR"};

QStringList reading(const QString &rd, const QString &time)
{
    return {rd, time, "0+00", "10+50", "5R", "12+00", "1", "6", "S", "0.0", "1854", "112", "3.1", "131.2", "118.9", "12.3", "10.3", "92.5", "OK"};
}

const QStringList Header124{"01/16/06", "2815", "652", "0", "2.7", "128.5", "95"};

} // namespace

TEST_F(Ng7700bParser, FilesHeaderRecordsAndReadingsPerProject)
{
    QStringList empties = reading("3", "09:31");
    empties[16] = empties[17] = empties[18] = "";
    const QList<test::Ng7700bProject> projects{
        {"12.4", Header124, {reading("1", "09:12"), reading("2", "12:30"), empties}},
        {"7", {"01/17/06", "2809", "649", "1.5", "2.65", "121", "90"}, {reading("4", "13:05")}},
    };
    EXPECT_EQ(openSaved(NG7700B, test::ng7700bReport("31560", "06/21/05", projects)), "12.4 7 ");

    const auto p124 = rows("P124");
    ASSERT_EQ(p124.size(), 4u);
    EXPECT_TRUE(test::rowHolds(p124[0], QStringList{"RDNUM", "ID", "SERNUM", "CDATE"} + HeaderFields, QStringList{"0", "12.4", "31560", "06/21/05"} + Header124));
    EXPECT_TRUE(test::rowHolds(p124[1], ReadingFields, reading("1", "09:12")) && test::rowHolds(p124[2], ReadingFields, reading("2", "12:30")));
    // Empty percentages store 0, an empty VR an empty text.
    QStringList stored = empties;
    stored[16] = stored[17] = "0";
    EXPECT_TRUE(test::rowHolds(p124[3], ReadingFields.mid(0, 18), stored));
    EXPECT_EQ(p124[3].at("VR").toString(), "");
    // The averages line after "AVERAGE OF ALL DATA:" is no reading.
    EXPECT_EQ(rows("P7").size(), 2u);
}

TEST_F(Ng7700bParser, TheLineAfterTheAveragesLabelIsNeverStoredEvenWhenItReadsLikeAReading)
{
    const QList<test::Ng7700bProject> projects{{"7", Header124, {reading("1", "09:12")}}};
    QByteArray stream = test::ng7700bReport("31560", "06/21/05", projects);
    const QByteArray averages = test::ng7700bReading({"", "", "", "", "", "", "", "", "", "", "", "", "", "131.2", "119.0", "12.3", "10.5", "92.8", ""});
    ASSERT_TRUE(stream.contains(averages));
    stream.replace(averages, test::ng7700bReading(reading("9", "15:00")));
    feed(NGB, stream);
    EXPECT_EQ(rows("P7").size(), 2u);

    // The same line under any other label is a reading.
    ASSERT_EQ(parse.Initit(parse.retrn_message()), 0);
    stream.replace("AVERAGE OF ALL DATA:", "LAST READING:");
    feed(NGB, stream);
    const auto p7 = rows("P7");
    EXPECT_TRUE(p7.size() == 3 && test::rowHolds(p7[2], ReadingFields, reading("9", "15:00")));
}

TEST_F(Ng7700bParser, RepeatedProjectReopensItsTableWithoutNewHeaderValues)
{
    const QList<test::Ng7700bProject> first{{"12.4", Header124, {reading("1", "09:12")}}};
    const QList<test::Ng7700bProject> again{{"12.4", {"02/02/06", "9999", "999", "9", "9.9", "99", "99"}, {reading("2", "10:00")}}};
    QByteArray stream = test::ng7700bReport("31560", "06/21/05", first);
    stream.chop(QByteArray(" B   .\r\n").size());
    stream += test::ng7700bReport("31560", "06/21/05", again);
    feed(NGB, stream);
    EXPECT_EQ(parse.retrn_message(), "12.4 ");
    const auto p124 = rows("P124");
    ASSERT_EQ(p124.size(), 3u);
    EXPECT_TRUE(test::rowHolds(p124[0], HeaderFields, Header124) && test::rowHolds(p124[2], ReadingFields, reading("2", "10:00")));
}

TEST_F(Ng7700bParser, ReadingEndingAfterItsMoistureColumnIsSaved)
{
    const QByteArray stream = "P ID: 12.4 \r\n"
                              "   5, 09:12, 0+00, 10+50, 5R, 12+00, 1, 6, S, 0.0, 1854, 112, 3.1, 131.2, 118.9, 12.3\r\n";
    feed(NGB, stream);
    const auto p124 = rows("P124");
    ASSERT_EQ(p124.size(), 1u);  // the header record is only saved with its LOWD
    EXPECT_TRUE(test::rowHolds(p124[0], {"RDNUM", "M", "PERCM", "VR"}, {"5", "12.3", "", ""}));
}

TEST_F(Ng7700bParser, EndsOnItsEndLineOrAfterAThousandAndOneEmptyReads)
{
    EXPECT_EQ(feed(NGB, " B   ."), std::vector<int>{89});
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(parse.Parse_NG7700B(parse::NoChar), 0);
    EXPECT_EQ(parse.Parse_NG7700B(parse::NoChar), 89);
    for (int i = 0; i < 1000; ++i)
        parse.Parse_NG7700B(parse::NoChar);
    parse.Parse_NG7700B(' ');
    EXPECT_EQ(parse.Parse_NG7700B(parse::NoChar), 0);
}

TEST_F(Ng7700bParser, EndByteGivesEarlyProjectsTheSerialNumberAndClosesTheDatabase)
{
    const QByteArray stream = "PROJECT ID: 12.4 DATE: 01/16/06 D STD=2815 M STD=652 KVAL=0  SPG=2.7 MAXD=128.5 LOWD=95\r\n"
                              "SERIAL: 31560 CALIBRATION DATE: 06/21/05 \r\n";
    feed(NGB, stream);
    const auto before = rows("P124");
    ASSERT_EQ(before.size(), 1u);
    ASSERT_TRUE(test::rowHolds(before[0], {"SERNUM", "CDATE"}, {"", ""}));
    feed(NGB, "\xFD", true);
    const auto p124 = test::tableRows(home.paths(), "P124");
    ASSERT_EQ(p124.size(), 1u);
    EXPECT_TRUE(test::rowHolds(p124[0], {"SERNUM", "CDATE", "LOWD"}, {"31560", "06/21/05", "95"}));
    feed(NGB, "\r\nPROJECT ID: 8 \r\n");
    EXPECT_FALSE(test::tableNames(home.paths()).contains("P8"));
}

TEST_F(Ng7700bParser, IdentifierWithABlankNamesNoProject)
{
    feed(NGB, "P ID:A B \r\n");
    EXPECT_EQ((std::pair{parse.retrn_message(), test::tableNames(home.paths())}), std::pair(QString(), QStringList()));
}
