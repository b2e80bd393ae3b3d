#include "common/AppState.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

TEST(Ng7700bReport, TableWithoutHeaderRecordWritesEveryRecordAsAReading)
{
    test::TempHome home;
    const QStringList fields{"RDNUM", "Time", "SA", "WD", "VR"};
    test::addTables(home.paths(), {{"P5", db::Ng7700bProjectTable, fields, {{"1", "9:30", "S", "120", "A"}, {"2", "9:45", "A", "121", "B"}}}});
    const QList<QByteArray> lines = test::writtenText(home.paths(), NG7700B, QStringLiteral("5 ")).split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[4], QByteArray("PROJECT ID:  DATE:  D STD= M STD= KVAL=  SPG= MAXD= LOWD=\r"));
    EXPECT_TRUE(lines[7].startsWith("   1,  9:30,         ,       ,       ,       ,     ,    ,   S,       ,"));
    EXPECT_EQ(lines[8], QByteArray("2, 9:45, , , , , , , A, , , , , 121, , , , , B\r"));
    EXPECT_EQ(lines[9], QByteArray("\r"));
}

} // namespace
