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

struct Reopened {
    test::ProjectSnapshot before, after;
    AppState state;
};

Reopened reopened(int model, const QString &list, const std::vector<test::TableContent> &tables, const QString &selected = {})
{
    test::TempHome home;
    Reopened r;
    test::addTables(home.paths(), tables);
    r.before = test::ProjectSnapshot::of(home.paths());
    r.state.DeviceCode = model;
    r.state.Table_List = list;
    r.state.CurrentTable = selected;
    db::Database connection;
    const QString file = home.path() + QStringLiteral("/saved.txt");
    EXPECT_EQ(project::ProjectSave(home.paths(), r.state).saveSelected(connection, file, false).outcome, project::ProjectSave::Outcome::Saved);
    EXPECT_TRUE(project::ProjectOpen::open(home.paths(), r.state, file).opened);
    r.after = test::ProjectSnapshot::of(home.paths());
    return r;
}

const QStringList Ld4800Fields{"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"};

TEST(TextFileLimits, Ng7700bProjectsTakeTheSerialNumberOfTheFirst)
{
    std::vector<test::TableContent> tables = test::sampleProject(NG7700B);
    tables.resize(4);  // projects 7.7 and 8, each a header and readings
    tables[2].records[0].replace(2, "9999");
    tables[2].records[0].replace(3, "09/09/09");
    const auto p8 = reopened(NG7700B, "7.7 8 ", tables).after.tables.at("P8");
    ASSERT_EQ(p8.size(), 2u);
    EXPECT_EQ(std::pair(p8[0].at("SERNUM").toInt(), p8[0].at("CDATE").toString()), std::pair(5678, QString("02/03/04")));
}

TEST(TextFileLimits, Ld4800TestSavedAloneComesBackAsTheFirstOfItsKind)
{
    const auto r = reopened(LD4800, "CBR_LBR1 CBR_LBR2 ", {
        {"CBR_LBR1", db::LoggerTestTable, Ld4800Fields, {{"1", "00:30", "1", "2", "3", "4", "A", "B", "C", "D"}}},
        {"CBR_LBR2", db::LoggerTestTable, Ld4800Fields, {{"1", "00:45", "5", "6", "7", "8", "A", "B", "C", "D"}}},
    }, "CBR_LBR2");
    EXPECT_EQ(std::pair(r.state.Table_List, r.after.tables.at("CBR_LBR1")), std::pair(QStringLiteral("CBR_LBR1 "), r.before.tables.at("CBR_LBR2")));
}

TEST(TextFileLimits, ValuesWiderThanTheirColumnsComeBack)
{
    const QStringList ng7700aFields{"RDNUM", "RDATE", "ID",   "STAT", "Offset", "DPT",  "SA",   "KVAL", "PADJ", "DSTD",  "MSTD",  "DCNT",
                                    "MCNT",  "SPG",   "PAV",  "MAXD", "WETD",   "DRYD", "WAT",  "PWAT", "PCOMP", "SERNUM", "CDATE"};
    const QStringList wide{"123", "01/16/2006", "1", "1234567", "-123456", "1234", "S", "1234567", "123456", "1234567", "123456", "1234567",
                           "123456", "12345", "1234", "123456", "123456", "123456", "12345", "12345", "123456", "23817", "03/14/05"};
    // Channel values as a download stores them: a 32-bit float shown with four decimals. Others
    // are read back that way (-98765.4321 comes back as -98765.4297).
    for (const Reopened &r : {reopened(NG7700A, "1 ", {{"P1", db::Ng7700aProjectTable, ng7700aFields, {wide}}}),
                              reopened(LD4800, "CBR_LBR1 ", {{"CBR_LBR1", db::LoggerTestTable, Ld4800Fields,
                                                             {{"1", "00:00:30.25", "123456.7891", "-98765.4297", "3", "4", "A", "B", "C", "D"}}}})})
        EXPECT_EQ(test::ProjectSnapshot::difference(r.before, r.after), "");
}

} // namespace
