#include "export/GetTables.h"
#include "parse/Parse.h"
#include "support/StreamBuilders.h"
#include "support/TableRows.h"
#include "support/TempHome.h"

using namespace valtrane;

namespace {

class GetTables : public ::testing::Test {
protected:
    QString open(const QByteArray &bytes)
    {
        home.writeFile("project.txt", bytes);
        return reader.Get_tables(home.path() + "/project.txt", parse.retrn_message());
    }

    test::TempHome home;
    AppState state;
    parse::Parse parse{home.paths(), state};
    exporting::GetTables reader{parse};
};

const QByteArray Marshall = "MARSHALL TEST\r\nRD #, TIME, LOAD, FLOW, (), ()\r\n1, 00:00:05, 812, 0.031, 0, 0\r\n";

} // namespace

TEST_F(GetTables, TheFirstLineGivesTheModelCodeOrMarksAFileThatIsNoProjectWhichLeavesTheDatabaseAsItWas)
{
    const std::vector<std::pair<QByteArray, int>> cases{{" 0 \r\n", 0}, {"3\n", 3}, {"  2  \r\n", 2}, {" 1 \r", 1}, {"123456\r\n", 99},
                                                        {"ABC\r\n", 99}, {" 7 \r\n", 99}, {"\r\n", 99}, {"", 99}};
    for (const auto &[firstLine, code] : cases) {
        home.writeFile("project.txt", firstLine);
        EXPECT_EQ(exporting::GetTables::modelCodeOf(home.path() + "/project.txt"), code) << firstLine.constData();
    }
    EXPECT_EQ(exporting::GetTables::modelCodeOf(home.path() + "/missing.txt"), 99);
    ASSERT_EQ(open(test::savedProject(LD4800, Marshall)), "MARSHALL1 ");
    parse.DeInit();
    EXPECT_EQ(open("MARSHALL TEST\r\n" + Marshall), "");
    EXPECT_EQ(std::tuple(reader.modelCode(), reader.savedFile(), test::tableRows(home.paths(), "MARSHALL1").size()), std::tuple(99, false, size_t(1)));
}

TEST_F(GetTables, ReadsOnlyTheCharactersAParserReadsAndStopsAnNg7700bFileAtItsEndLine)
{
    // Lower-case letters, line feeds and tabs vanish, 'Z' (the last code read) stays; the end byte
    // reaches the logger's parser, which closes the database there.
    const QByteArray stream = "MARSHALLx TEST\r\nRD #, Time, LOADZ, FLOW, (), ()\r\n1, 00:00:05, 8\t12, 0.031, 0, 0\r\n\xFD"
                              "2, 00:00:10, 1655, 0.059, 0, 0\r\n";
    EXPECT_EQ(open(test::savedProject(LD4800, stream)), "MARSHALL1 ");
    EXPECT_TRUE(reader.savedFile());
    parse.DeInit();
    const auto rows = test::tableRows(home.paths(), "MARSHALL1");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(test::rowHolds(rows[0], {"READNUMBER", "CH1", "CH1NAME"}, {"1", "812", "LOADZ"}));

    const QByteArray first = "P ID: 12.4 D STD=2815 M STD=652 KVAL=0  SPG=2.7 MAXD=128.5 LOWD=95\r\n";
    const QByteArray after = "P ID: 13 D STD=2815 M STD=652 KVAL=0  SPG=2.7 MAXD=128.5 LOWD=95\r\n";
    EXPECT_EQ(open(test::savedProject(NG7700B, first + " B   .\r\n" + after)), "12.4 ");
    // Other models read to the end of the file, past their end markers.
    EXPECT_EQ(open(test::savedProject(LD4800, Marshall + "END\r\n\r\n" + Marshall)), "MARSHALL1 MARSHALL2 ");
}
