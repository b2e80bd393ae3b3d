#include "export/Writeout.h"

#include "db/Database.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

TEST(Ng7700bReport, TableWithoutHeaderRecordWritesEveryRecordAsAReading)
{
    test::TempHome home;
    const QStringList fields{"RDNUM", "Time", "SA", "WD", "VR"};
    test::addTables(home.paths(), {{"P5", db::Ng7700bProjectTable, fields, {{"1", "9:30", "S", "120", "A"}, {"2", "9:45", "A", "121", "B"}}}});
    db::Database connection;
    exporting::Writeout writer(home.paths());
    const QString out = home.path() + QStringLiteral("/p5.txt");
    ASSERT_TRUE(writer.writeout(connection, out, QStringLiteral("5 "), NG7700B, QString(), AppState()));
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[4], QByteArray("PROJECT ID:  DATE:  D STD= M STD= KVAL=  SPG= MAXD= LOWD=\r"));
    EXPECT_TRUE(lines[7].startsWith("   1,  9:30,         ,       ,       ,       ,     ,    ,   S,       ,"));
    EXPECT_EQ(lines[8], QByteArray("2, 9:45, , , , , , , A, , , , , 121, , , , , B\r"));
    EXPECT_EQ(lines[9], QByteArray("\r"));
}

} // namespace
