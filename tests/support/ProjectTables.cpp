#include "support/ProjectTables.h"

#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "export/Writeout.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace valtrane::test {

void addTables(const AppPaths &paths, const std::vector<TableContent> &tables)
{
    db::CreateDatabase creator(paths);
    if (!QFileInfo::exists(paths.database())) {
        ASSERT_EQ(creator.Create(), 0);
    }
    db::Database database;
    ASSERT_TRUE(database.open(paths.database()));
    for (const TableContent &t : tables) {
        QString name = t.name;
        if (t.kind == SameTable) {
            name.remove(QLatin1Char('.'));
        } else {
            ASSERT_EQ(creator.AddTable(name, t.kind, &database), 0);
        }
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + name);
        ASSERT_TRUE(rs);
        for (const QStringList &record : t.records) {
            ASSERT_EQ(record.size(), t.fields.size()) << name.toStdString();
            rs->addNew();
            for (int i = 0; i < record.size(); ++i) {
                if (record[i] != QLatin1String("~")) {
                    ASSERT_TRUE(rs->setField(t.fields[i], record[i])) << name.toStdString() << " " << t.fields[i].toStdString();
                }
            }
            ASSERT_TRUE(rs->update()) << name.toStdString() << " " << database.lastError().toStdString();
        }
    }
}

QByteArray writtenText(const AppPaths &paths, int deviceCode, const QString &list)
{
    db::Database connection;
    exporting::Writeout writer(paths);
    const QString file = paths.programFolder() + QStringLiteral("/written.txt");
    EXPECT_TRUE(writer.writeout(connection, file, list, deviceCode, QString(), AppState())) << writer.errorText().toStdString();
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

namespace {

const QStringList Ng7700aSoil{"RDNUM", "RDATE", "ID", "STAT", "Offset", "DPT", "SA", "KVAL", "PADJ", "DSTD", "MSTD",
                              "DCNT",  "MCNT",  "SPG", "PAV", "MAXD", "WETD", "DRYD", "WAT", "PWAT", "PCOMP", "SERNUM", "CDATE"};
const QStringList Ng7700aAsphalt{"RDNUM", "RDATE", "ID",   "STAT", "Offset", "DPT", "SA",    "KVAL",   "PADJ", "DSTD",
                                 "MSTD",  "DCNT",  "MCNT", "SPG",  "PAV",    "MAXD", "PAC", "Dens", "PCOMP", "SERNUM", "CDATE"};
const QStringList Ng7700bHeader{"RDNUM", "ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD"};
const QStringList Ng7700bReading{"RDNUM", "Time", "STAT1TO", "STAT1", "Offset", "STAT2", "LANE", "DPT", "SA", "ADJ",
                                 "DC",    "MC",   "AV",      "WD",    "DD",     "M",     "PERCM", "PERC_COMP", "VR"};
const QStringList Sg2150Header{"BIN_NUMBER", "RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME"};
const QStringList Sg2150Bin{"BIN_NUMBER",    "FREQUENCY",     "REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND",
                            "IMAG_FORCE_ND", "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD",
                            "NOISE_OL_FLAG", "SIGNL_OL_FLAG", "DSNR",          "FSNR"};
const QStringList Ld4800Reading{"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"};

} // namespace

std::vector<TableContent> sampleProject(int deviceCode)
{
    switch (deviceCode) {
    case 0: return {
        {"CBR_LBR1", db::LoggerTestTable, Ld4800Reading,
         {{"1", "00:30", "12.3456", "0.125", "0", "-1.5", "LOAD", "PEN", "NONE", "CH 4"},
          {"2", "01:00", "24.5", "0.25", "0", "-1.5", "LOAD", "PEN", "NONE", "CH 4"},
          {"3", "01:30", "1234567.25", "0.5", "0", "-1.5", "LOAD", "PEN", "NONE", "CH 4"}}},
        {"MARSHALL1", db::LoggerTestTable, Ld4800Reading, {{"1", "TIME", "2500", "12", "0", "0", "STABILITY", "FLOW", "NONE", "NONE"}}},
    };
    case 1: return {
        {"P12.5", db::Ng7700aProjectTable, Ng7700aSoil,
         {{"1", "01/15/04", "12.5", "100", "5", "6", "S", "0", "0", "2345", "678", "1234", "234", "2.7", "4", "125.5", "120.5", "110", "10.5", "9.5", "95", "1234", "01/02/04"},
          {"2", "01/15/04", "12.5", "150", "-5", "6", "S", "0", "0", "2345", "678", "1240", "240", "2.7", "4", "125.5", "122.5", "111", "11.5", "10.5", "96", "1234", "01/02/04"},
          {"4", "01/16/04", "12.5", "250", "10", "12", "S", "0", "0", "2345", "678", "1250", "250", "2.7", "4", "125.5", "124.5", "112", "12.5", "10", "97", "1234", "01/02/04"}}},
        {"P12.5", SameTable, Ng7700aAsphalt,
         {{"3", "01/16/04", "12.5", "200", "0", "BS", "A", "0.98", "1.5", "2345", "678", "1500", "100", "2.5", "4", "146", "5.5", "140.2", "97.5", "1234", "01/02/04"}}},
        {"P13", db::Ng7700aProjectTable, Ng7700aAsphalt,
         {{"1", "02/01/04", "13", "300", "0", "BS", "A", "1", "0", "2400", "700", "1600", "110", "2.5", "3", "146", "5", "140", "96", "1234", "01/02/04"},
          {"2", "02/01/04", "13", "310", "2.5", "BS", "A", "1", "0", "2400", "700", "1610", "111", "2.5", "3", "146", "6", "142", "98", "1234", "01/02/04"}}},
    };
    case 2: return {
        {"P7.7", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "7.7", "5678", "02/03/04", "03/04/04", "2345", "678", "0", "2.65", "125.5", "118"}}},
        {"P7.7", SameTable, Ng7700bReading,
         {{"1", "9:30", "1+00", "10+50", "5R", "2", "1", "6", "S", "0", "2345", "456", "4.5", "128.4", "118.2", "10.2", "8.6", "96.5", "A"},
          {"2", "10:15", "1+00", "11+00", "5L", "2", "2", "6", "S", "-1.5", "2350", "460", "4.5", "127.9", "117.6", "10.3", "0", "0", ""},
          {"3", "10:40", "2+00", "12+00", "CL", "3", "1", "BS", "A", "0", "2360", "470", "3", "140.1", "140.1", "0", "0", "97.2", "B"}}},
        {"P8", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "8", "5678", "02/03/04", "03/05/04", "2300", "650", "1", "2.7", "126", "117.5"}}},
        {"P8", SameTable, Ng7700bReading, {{"1", "11:05", "3+00", "13+00", "2R", "1", "1", "6", "S", "0", "2300", "440", "4", "126", "116", "9.9", "8.5", "95", "A"}}},
        {"P9", db::Ng7700bProjectTable, Ng7700bHeader, {{"0", "9", "5678", "02/03/04", "03/06/04", "2310", "655", "1", "2.7", "127", "118"}}},
    };
    default: return {
        {"RUN1", db::StiffnessRunTable, Sg2150Header, {{"0", "1", "15.3", "1.02", "01/15/04", "10:15"}}},
        {"RUN1", SameTable, Sg2150Bin,
         {{"1", "100", "2050", "2051", "2049", "2048", "3000", "1000", "2500", "1500", "0", "0", "12.5", "13.2"},
          {"2", "105", "2052", "2047", "2046", "2053", "3100", "900", "2600", "1400", "1", "0", "9.5", "7"}}},
        {"RUN2", db::StiffnessRunTable, Sg2150Header, {{"0", "2", "16.1", "1.02", "01/15/04", "10:20"}}},
        {"RUN21", db::StiffnessRunTable, Sg2150Header,
         {{"21", "21", "17.5", "1.01", "01/16/04", "11:00"}, {"22", "22", "18", "1.01", "01/16/04", "11:05"}}},
    };
    }
}

QString sampleTableList(int deviceCode)
{
    switch (deviceCode) {
    case 0: return QStringLiteral("CBR_LBR1 MARSHALL1 ");
    case 1: return QStringLiteral("12.5 13 ");
    case 2: return QStringLiteral("7.7 8 9 ");
    default: return QStringLiteral("RUN1 RUN2 RUN21 RUN3 ");
    }
}

} // namespace valtrane::test
