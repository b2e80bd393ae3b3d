#include "report/LayoutFiles.h"
#include "report/ReportLayouts.h"
#include "report/ReportTab.h"
#include "report/ReportTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

using test::ReportFixture;

struct ModelCase {
    const char *name, *sample, *table, *surface;
    std::vector<std::pair<int, const char *>> columns;  // Column List position, Column Object entry
};

const ModelCase Models[] = {
    {"LD4800", "writeout/ld4800.txt", "CBR_LBR1", "NONE", {{0, "CH1"}, {1, "Time"}}},
    {"NG7700A", "writeout/ng7700a.txt", "13", "SOIL", {{0, "Wet Dens"}, {1, "Stat"}, {2, "%Comp"}}},
    {"NG7700B", "writeout/ng7700b.txt", "77", "SOIL", {{0, "Dry Dens"}, {1, "Lane"}}},
    {"SG2150", "writeout/sg2150.txt", "RUN1", "NONE", {{0, "Frequency"}, {2, "Noise Data"}, {6, "Signal Overload Flag"}}},
};

class LayoutTab : public ReportFixture {
public:
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser files;
    std::unique_ptr<ReportTab> tab;

    void enter(const ModelCase &c)
    {
        open(QString::fromLatin1(c.sample));
        state.CurrentTable = QString::fromLatin1(c.table);
        state.CurrentSurface = QString::fromLatin1(c.surface);
        tab = std::make_unique<ReportTab>(ReportTab::Context{home.paths(), state, reports, database, prompter, files});
        ASSERT_TRUE(tab->enter());
    }
    void place(const ModelCase &c)
    {
        for (const auto &[position, entry] : c.columns) {
            tab->setColumnSelection(position);
            tab->placeColumnObject(QString::fromLatin1(entry));
        }
    }
    QStringList headers() const
    {
        QStringList out;
        for (int i = 1; i <= ReportLayouts::ColumnCount; ++i)
            out << reports.Report.text(ReportLayouts::headerName(i)) + QLatin1Char('|') + reports.Report.text(ReportLayouts::dataName(i)).left(40);
        return out;
    }
};

class LayoutRoundTrip : public ::testing::TestWithParam<ModelCase> {};

TEST_P(LayoutRoundTrip, SavedLayoutLoadsBackColumnsAlignmentsLogoAndFont)
{
    const ModelCase &c = GetParam();
    LayoutTab f;
    ASSERT_NO_FATAL_FAILURE(f.enter(c));
    f.tab->applyFont(10);
    f.place(c);
    f.reports.Report.setHorAlignment(QStringLiteral("Company"), RightAlign);
    f.reports.Report.setHorAlignment(QStringLiteral("Field2"), CentreAlign);
    f.files.choices.push_back(test::savedPicture(f.home.path() + QStringLiteral("/logo.bmp")));
    ASSERT_TRUE(f.tab->insertLogo());
    f.tab->logoRight();
    const QStringList placed = f.headers();
    const ReportColumnState groups = f.reports.columns;
    ASSERT_TRUE(f.tab->saveLayout());
    EXPECT_EQ(f.prompter.texts(), QStringList{LayoutFiles::savedMessage()});

    f.tab->applyFont(9);
    f.tab->clearPreview();
    f.tab->deleteLogo();
    for (const char *name : {"Company", "Field2"})
        f.reports.Report.setHorAlignment(QString::fromLatin1(name), LeftAlign);
    int shown = 0;
    ASSERT_EQ(f.tab->loadLayout([&shown] { ++shown; }), LayoutFiles::Loaded::Placed);

    EXPECT_EQ(f.headers(), placed);
    ReportDocument &report = f.reports.Report;
    EXPECT_EQ(std::tuple(shown, int(f.state.ReportFontSize), f.reports.columns.NoiseDataPlaced, f.reports.columns.NoiseDataLastColumn,
                         report.horAlignment(QStringLiteral("Company")), report.horAlignment(QStringLiteral("Field2"))),
              std::tuple(int(c.columns.size()), 10, groups.NoiseDataPlaced, groups.NoiseDataLastColumn, int(RightAlign), int(CentreAlign)));
    // A logo loads at its place on the left: the header file keeps its picture, not its side.
    const PictureObject *logo = report.picture(ReportLogo::pictureName());
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(std::pair(QPoint(logo->left, logo->top), f.tab->logo().path()), std::pair(QPoint(500, 400), f.home.path() + QStringLiteral("/logo.bmp")));
}

INSTANTIATE_TEST_SUITE_P(EachModel, LayoutRoundTrip, ::testing::ValuesIn(Models), [](const auto &info) { return std::string(info.param.name); });

TEST(LayoutFiles, AFreshNuclearReportSavesRemarksPlaceholdersAndHeaderLines)
{
    LayoutTab f;
    ASSERT_NO_FATAL_FAILURE(f.enter(Models[1]));
    ASSERT_TRUE(f.tab->saveLayout());
    QByteArray record = "\"Remarks\r";
    for (int n = 2; n <= 18; ++n)
        record += "Col " + QByteArray::number(n) + '\r';
    EXPECT_EQ(f.home.readFile(QStringLiteral("info/LayoutC.vkt")), record + "\"\r\n");
    const QByteArray header = f.home.readFile(QStringLiteral("info/LayoutChdr.vkt"));
    EXPECT_EQ(std::tuple(header.startsWith("TitleP = 2\r\nCInfoP = 2\r\nTime_1 = "), header.contains("\r\nProjNM = "), header.endsWith("\r\nFontSZ = 9\r\n"),
                         header.contains("PicObj")), std::tuple(true, true, true, false)) << header.toStdString();
}

TEST(LayoutFiles, AMissingColumnFileIsToldOnlyWithASurfaceAndChangesNothing)
{
    LayoutTab f;
    ASSERT_NO_FATAL_FAILURE(f.enter(Models[1]));
    f.place(Models[1]);
    const QStringList before = f.headers();
    const QString surface = std::exchange(f.state.CurrentSurface, QString());
    EXPECT_EQ(f.tab->loadLayout(), LayoutFiles::Loaded::NothingSelected);
    EXPECT_TRUE(f.prompter.shown.empty());
    f.state.CurrentSurface = surface;
    EXPECT_EQ(f.tab->loadLayout(), LayoutFiles::Loaded::NoLayout);
    EXPECT_EQ(f.prompter.texts(), QStringList{LayoutFiles::noLayoutMessage()});
    EXPECT_EQ(f.headers(), before);
}

TEST(LayoutFiles, AStiffnessGroupSavesOneToken)
{
    LayoutTab f;
    ASSERT_NO_FATAL_FAILURE(f.enter(Models[3]));
    f.place(Models[3]);
    const QStringList tokens = f.tab->layoutFiles().columnTokens();
    EXPECT_EQ(tokens.mid(0, 4) << QString::number(tokens.size()), (QStringList{"Freq.", "Col 2", "Noise Data", "SO Flag", "15"}));
}

struct HandFile { const char *name; int model; QByteArray columns, header; const char *expectedHeaders; int font, companyAlignment; };

const HandFile HandFiles[] = {
    {"NuclearCaptionsAndNumberFont", 1, "\"WD\rRemarks\rCol 3\r% AV\r\"\r\n",
     "TitleP = 3\r\nCInfoP = 1\r\nTime_1 = 1\r\nTime_2 = 1\r\nTime_3 = 1\r\nMachNO = 1\r\nTestBy = 1\r\nProjNM = 1\r\nFontSZ = 11\r\n",
     "WD,% AV,Remarks", 11, RightAlign},
    {"NonNumericFontGivesNine", 2, "\"Lane\r\"\r\n", "TitleP = 1\r\nFontSZ = big\r\n", "Lane,Remarks", 9, LeftAlign},
    {"StiffnessCaptionsMapBackAndGroupTakesFour", 3, "\"Freq.\rNoise Data\rNO Flag\r\"\r\n", "FontSZ = 9\r\n",
     "Freq.,Real\rDispl.,Real\rForce,Imag.\rDispl.,Imag.\rForce,NO Flag,Remarks", 9, CentreAlign},
    {"LoggerShortFileNoHeader", 0, "\"CH2\r", "", "CH2,Remarks", 9, CentreAlign},
    {"UnknownTokenKeepsItsHeader", 1, "\"Grade\rStat\r\"\r\n", "", "Grade,Stat,Remarks", 9, CentreAlign},
};

class HandWrittenLayout : public ::testing::TestWithParam<HandFile> {};

TEST_P(HandWrittenLayout, LoadsAsWritten)
{
    const HandFile &h = GetParam();
    LayoutTab f;
    ASSERT_NO_FATAL_FAILURE(f.enter(Models[h.model]));
    f.home.writeFile(f.home.paths().columnLayout(h.model).mid(f.home.path().size() + 1), h.columns);
    if (!h.header.isEmpty())
        f.home.writeFile(f.home.paths().headerLayout(h.model).mid(f.home.path().size() + 1), h.header);
    ASSERT_EQ(f.tab->loadLayout(), LayoutFiles::Loaded::Placed);
    QStringList shown;
    const int last = h.model == LD4800 ? ReportLayouts::twinOffset(h.font) : ReportLayouts::ColumnCount;
    for (int i = 2; i <= last; ++i) {
        const QString header = f.reports.Report.text(ReportLayouts::headerName(i));
        if (!header.startsWith(QLatin1String("Col")))
            shown << header;
    }
    EXPECT_EQ(shown.join(QLatin1Char(',')), QString::fromLatin1(h.expectedHeaders));
    EXPECT_EQ(std::tuple(int(f.state.ReportFontSize), f.reports.Report.horAlignment(QStringLiteral("Company")), f.prompter.shown.size()),
              std::tuple(h.font, h.companyAlignment, size_t(0)));
    if (h.model == SG2150) {  // "Freq." reloads with the run's frequencies, not only its caption
        EXPECT_GT(f.reports.Report.text(ReportLayouts::dataName(2)).count(QChar(13)), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, HandWrittenLayout, ::testing::ValuesIn(HandFiles), [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace valtrane::report
