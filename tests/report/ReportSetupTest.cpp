#include "common/NumberFormat.h"
#include "report/ReportColumns.h"
#include "report/ReportLayouts.h"
#include "report/ReportTestSupport.h"
#include "support/ScriptedPrompter.h"

#include <QDir>

using namespace valtrane;
using report::ReportLayouts;

namespace {

struct ModelCase {
    const char *name, *file, *table, *surface;
    QStringList entries, fields;
    const char *firstField;
    std::vector<std::pair<const char *, const char *>> headerObjects;
};

const ModelCase Cases[] = {
    {"Ng7700aSoil", "writeout/ng7700a.txt", "125", "S", {"Stat", "Wet Dens", "%Comp"}, {"STAT", "WETD", "PCOMP"}, "RDNUM",
     {{"SerialNumber", "SERNUM"}, {"CalDate", "CDATE"}, {"ProjectId", "ID"}, {"ReadDate", "RDATE"}, {"DensStd", "DSTD"}, {"Spg", "SPG"}}},
    {"Ng7700bSoil", "writeout/ng7700b.txt", "77", "S", {"Time", "Stat1", "Wet Dens", "%M Cont"}, {"TIME", "STAT1", "WD", "PERCM"},
     "RDNUM", {{"SerialNumber", "SERNUM"}, {"ReadDate", "DATE"}, {"MoistStd", "MSTD"}, {"LowDens", "LOWD"}}},
    {"Ld4800", "writeout/ld4800.txt", "CBR_LBR1", "N", {"Time", "CH2"}, {"TIME", "CH2"}, "READNUMBER", {}},
    {"Sg2150", "writeout/sg2150.txt", "RUN1", "N", {"Frequency", "Signal Overload Flag", "Noise Overload Flag"}, {"FREQUENCY", "SIGNL_OL_FLAG", "NOISE_OL_FLAG"}, "BIN_NUMBER", {}},
};

class ReportOfEveryModel : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ReportOfEveryModel, HeaderColumnsAndAveragesShowTheSelectedReadings)
{
    const ModelCase &c = GetParam();
    test::ReportFixture f;
    f.open(QString::fromLatin1(c.file));
    f.setUp(QString::fromLatin1(c.table), QString::fromLatin1(c.surface));
    const bool nuclear = f.state.DeviceCode == NG7700A || f.state.DeviceCode == NG7700B;
    const std::vector<test::Row> rows = test::tableRows(f.home.paths(), (nuclear ? QStringLiteral("P") : QString()) + c.table);
    ASSERT_FALSE(rows.empty());
    const auto selected = [&](const test::Row &row) {
        return !nuclear || (row.at(QStringLiteral("SA")).toString() == QLatin1String(c.surface) && row.at(QStringLiteral("RDNUM")).toInt() > 0);
    };

    report::ReportColumns columns(f.reports.Report, f.reports.columns, f.database, f.state.DeviceCode, 9);
    test::ScriptedPrompter prompter;
    for (int i = 0; i < c.entries.size(); ++i)
        ASSERT_EQ(columns.placeColumnObject(i, c.entries[i], c.table, c.surface, prompter), report::ReportColumns::Placement::Placed);

    const report::ReportDocument &report = f.reports.Report;
    for (const auto &[object, field] : c.headerObjects)
        EXPECT_EQ(report.text(QString::fromLatin1(object)), db::fieldText(rows.front().at(QString::fromLatin1(field)))) << c.name << " " << object;
    EXPECT_EQ(report.text(ReportLayouts::dataName(1)), test::stacked(rows, QString::fromLatin1(c.firstField), selected)) << c.name;
    for (int i = 0; i < c.fields.size(); ++i) {
        QString expected = test::stacked(rows, c.fields[i], selected);
        if (f.state.DeviceCode == LD4800 && c.fields[i].startsWith(QLatin1String("CH"))) {
            expected.clear();
            for (const test::Row &row : rows)
                expected += formatNumber(row.at(c.fields[i]).toDouble(), u"#0.#0") + QLatin1Char('\r');
        }
        EXPECT_EQ(report.text(ReportLayouts::dataName(i + 2)), expected) << c.name << " " << c.entries[i].toStdString();
    }
    EXPECT_EQ(report.text(ReportLayouts::headerName(int(c.entries.size()) + 2)), QStringLiteral("Remarks")) << c.name;

    if (!nuclear)
        return;
    const QStringList averageFields = f.state.DeviceCode == NG7700A ? QStringList{"WETD", "DRYD", "WAT", "PWAT", "PCOMP"}
                                                                     : QStringList{"WD", "DD", "M", "PERCM", "PERC_COMP"};
    const char *const objects[] = {"WetDensAvg", "DryDensAvg", "MoistAvg", "PMoistAvg", "CompAvg"};
    for (int a = 0; a < averageFields.size(); ++a) {
        double sum = 0, count = 0;
        for (const test::Row &row : rows)
            if (selected(row))
                sum += row.at(averageFields[a]).toDouble(), ++count;
        EXPECT_NEAR(report.text(QString::fromLatin1(objects[a])).toDouble(), sum / count, 0.005) << c.name << " " << objects[a];
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ReportOfEveryModel, ::testing::ValuesIn(Cases), [](const auto &info) { return std::string(info.param.name); });

TEST(ReportSetup, NoSelectedReadingLeavesEveryValueBlank)
{
    test::ReportFixture f;
    f.open(QStringLiteral("writeout/ng7700a.txt"));
    f.setUp(QStringLiteral("13"), QStringLiteral("S"));
    QStringList texts{f.reports.Report.text(ReportLayouts::dataName(1))};
    for (const char *object : {"AvgLabel", "WetDensAvg", "DryDensAvg", "MoistAvg", "PMoistAvg", "CompAvg"})
        texts << f.reports.Report.text(QString::fromLatin1(object));
    EXPECT_EQ(texts, QStringList({" ", "Average of All Data", "", "", "", "", ""}));
}

TEST(ReportSetup, LabInformationMarkedEmptyKeepsTheDesignedTexts)
{
    test::ReportFixture lab;
    lab.open(QStringLiteral("writeout/ng7700b.txt"));
    const QString designed = report::ReportLayouts::buildReport(NG7700B).text(QStringLiteral("Company"));
    lab.state.CInfo[1] = QStringLiteral("12 Quarry Road");
    lab.state.CInfo[2] = QStringLiteral("Springfield");
    lab.state.CInfo[7] = QStringLiteral("M-42");
    lab.setUp(QStringLiteral("77"), QStringLiteral("S"));
    const report::ReportDocument &report = lab.reports.Report;
    EXPECT_EQ(QStringList({report.text("Company"), report.text("Companyinfo"), report.text("MachNoText")}), QStringList({designed, " 12 Quarry Road\rSpringfield\r", "M-42"}));
    EXPECT_EQ(report.orientation(), report::Landscape);
}

TEST(ReportSetup, ALoadFrameReportIsPortraitWithItsTestTitleAndGraph)
{
    test::ReportFixture frame;
    frame.open(QStringLiteral("writeout/ld4800.txt"));
    QDir().mkpath(frame.home.paths().imagesFolder());
    test::savedPicture(frame.home.paths().graphImage(), 64, 48);
    frame.setUp(QStringLiteral("CBR_LBR1"), QStringLiteral("N"));
    const report::ReportDocument &framed = frame.reports.Report;
    EXPECT_EQ(std::pair(framed.orientation(), framed.text(QStringLiteral("TestTitle"))), std::pair(int(report::Portrait), QString("CBR_LBR1 Test Results")));
    const auto &pictures = framed.pictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(std::tuple(pictures[0].section, pictures[0].left, pictures[0].top), std::tuple(report::Section::Graph, 1500, 200));
}

} // namespace
