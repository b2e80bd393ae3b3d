#include "ParseTestSupport.h"
#include "db/DatabaseLock.h"

#include <QDir>

using namespace valtrane;
using ParseRun = valtrane::test::ParseFixture;

namespace {

constexpr test::ParseCall LD = &parse::Parse::Parse_LD4800;
const QByteArray MarshallTest = "MARSHALL TEST\r\nRD #, TIME, LOAD, FLOW, (), ()\r\n1, 00:00:05, 812, 0.031, 0, 0\r\n";

} // namespace

TEST_F(ParseRun, InititStartsEveryRunOnANewDatabaseAndAnEmptyList)
{
    feed(LD, MarshallTest);
    ASSERT_EQ(parse.retrn_message(), "MARSHALL1 ");
    EXPECT_EQ((std::tuple{parse.Initit(parse.retrn_message()), parse.retrn_message(), test::tableNames(home.paths())}),
              std::tuple(std::int16_t(0), QString(), QStringList()));
    feed(LD, MarshallTest);
    EXPECT_EQ(parse.retrn_message(), "MARSHALL1 ");
}

TEST_F(ParseRun, InititPassesOnAFileThatCannotBeMadeOrAnOldFileThatIsNoDatabase)
{
    feed(LD, MarshallTest);
    parse.DeInit();
    QDir(home.path()).removeRecursively();
    home.writeFile("info", "a file where the info folder should be");
    EXPECT_EQ((std::pair{parse.Initit(QString()), state.LastStatus}), std::pair(std::int16_t(909), std::int16_t(909)));
    // The run stays closed: nothing is filed and no earlier table is handed on.
    feed(LD, MarshallTest);
    EXPECT_EQ(parse.retrn_message(), "");

    QDir(home.path()).removeRecursively();
    QDir(home.path()).mkpath("info/MIRVAT.vkd/held");
    EXPECT_EQ(parse.Initit(QString()), 909);
    feed(LD, MarshallTest);
    EXPECT_EQ(parse.retrn_message(), "");
}

TEST_F(ParseRun, CommitShowsTheRowsToOtherConnectionsAndDeInitClosesTheDatabase)
{
    feed(LD, MarshallTest);
    parse.commit();
    EXPECT_EQ((std::pair{test::tableRows(home.paths(), "MARSHALL1").size(), db::DatabaseLock::isLocked(home.paths().lockFile())}), std::pair(size_t(1), true));
    parse.DeInit();
    EXPECT_FALSE(db::DatabaseLock::isLocked(home.paths().lockFile()));
    parse.DeInit();
    EXPECT_EQ(parse.retrn_message(), "MARSHALL1 ");
    feed(LD, "2, 00:00:10, 1655, 0.059, 0, 0\r\n");
    EXPECT_EQ(test::tableRows(home.paths(), "MARSHALL1").size(), 1u);
}
