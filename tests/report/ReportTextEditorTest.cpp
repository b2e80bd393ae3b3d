#include "report/ReportTestSupport.h"
#include "report/ReportTextEditor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

const QChar CR(13);

// Both reports carry the header items the editor writes.
struct EditorFixture {
    ReportSet reports;
    ReportLogo logo{reports};
    AppState state;

    EditorFixture()
    {
        for (ReportDocument *report : {&reports.Report, &reports.StiffyReport}) {
            for (const char *name : {"Company", "Companyinfo", "Text8", "Field1", "Field2", "MachNoText", "ProjNameText",
                                     "TestedByText", "ColData3"}) {
                TextObject object;
                object.name = QString::fromLatin1(name);
                object.text = QStringLiteral("old ") + object.name;
                object.horAlignment = CentreAlign;
                report->addText(object);
            }
        }
    }
    QString text(const char *name, bool stiffy = false) const
    {
        return (stiffy ? reports.StiffyReport : reports.Report).text(QString::fromLatin1(name));
    }
    int alignment(const char *name) const { return reports.Report.horAlignment(QString::fromLatin1(name)); }
};

struct ItemCase { int code; const char *object; int infoField; };

const ItemCase TextItems[] = {
    {ReportTextEditor::CompanyName, "Company", 0},    {ReportTextEditor::CompanyInfo, "Companyinfo", -1},
    {ReportTextEditor::MachineNumber, "MachNoText", 7}, {ReportTextEditor::ProjectName, "ProjNameText", 6},
    {ReportTextEditor::TestedBy, "TestedByText", 8},
};

class EditedItem : public ::testing::TestWithParam<ItemCase> {};

TEST_P(EditedItem, ApplyShowsInBothReportsCancelPutsBackWhatTheEditorFoundAndOkCopiesIntoTheLabInformation)
{
    const ItemCase &c = GetParam();
    EditorFixture f;
    const QString old = QStringLiteral("old ") + QString::fromLatin1(c.object);
    ReportTextEditor editor(f.reports, f.logo, f.state, c.code);
    EXPECT_EQ(editor.text(), old);
    EXPECT_FALSE(editor.applyEnabled());
    editor.setText(QStringLiteral("Acme\nTesting"));
    editor.setAlignment(RightAlign);
    EXPECT_TRUE(editor.applyEnabled());
    editor.apply();
    EXPECT_FALSE(editor.applyEnabled());
    const QString applied = QStringLiteral("Acme") + CR + QStringLiteral("Testing");
    EXPECT_EQ(f.text(c.object), applied);
    EXPECT_EQ(f.text(c.object, true), applied);
    EXPECT_EQ(f.alignment(c.object), RightAlign);
    editor.cancel();
    EXPECT_EQ(f.text(c.object), old);
    EXPECT_EQ(f.alignment(c.object), CentreAlign);
    EXPECT_FALSE(f.state.InformationChanged);

    ReportTextEditor second(f.reports, f.logo, f.state, c.code);
    second.setText(QStringLiteral("Kept"));
    second.ok();
    EXPECT_EQ(f.text(c.object), QStringLiteral("Kept"));
    EXPECT_EQ(f.state.InformationChanged, c.infoField >= 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f.state.CInfo[size_t(i)] == QLatin1String("Kept"), i == c.infoField) << "CInfo " << i;
}

INSTANTIATE_TEST_SUITE_P(HeaderItems, EditedItem, ::testing::ValuesIn(TextItems),
                         [](const auto &info) { return std::string(info.param.object); });

TEST(ReportTextEditor, DateItemShowsItCannotBeModifiedAndWritesOnlyAlignmentToAllThree)
{
    EditorFixture f;
    ReportTextEditor editor(f.reports, f.logo, f.state, ReportTextEditor::DateItem);
    EXPECT_EQ(editor.caption(), QStringLiteral("Edit Date/Time Position"));
    EXPECT_EQ(editor.text(), ReportTextEditor::notModifiable());
    editor.setText(QStringLiteral("typed"));
    editor.setAlignment(LeftAlign);
    editor.ok();
    for (const char *name : {"Text8", "Field1", "Field2"}) {
        EXPECT_EQ(f.alignment(name), LeftAlign) << name;
        EXPECT_EQ(f.text(name), QStringLiteral("old ") + QString::fromLatin1(name)) << name;
    }
}

TEST(ReportTextEditor, CompanyInformationOpensLineByLineAndAnEmptyOneOpensEmpty)
{
    EditorFixture f;
    f.reports.Report.setText(QStringLiteral("Companyinfo"), QStringLiteral("1 Road") + CR + QStringLiteral("Town"));
    EXPECT_EQ(ReportTextEditor(f.reports, f.logo, f.state, ReportTextEditor::CompanyInfo).text(), QStringLiteral("1 Road\nTown"));
    f.reports.Report.setText(QStringLiteral("Companyinfo"), QStringLiteral(" Empty") + CR + QStringLiteral(" Empty"));
    EXPECT_EQ(ReportTextEditor(f.reports, f.logo, f.state, ReportTextEditor::CompanyInfo).text(), QString());
}

TEST(ReportTextEditor, LeftCompanyNameBesideALogoIsIndentedOtherAlignmentsAreNot)
{
    EditorFixture f;
    QTemporaryDir dir;
    ASSERT_TRUE(f.logo.place(test::savedPicture(dir.filePath(QStringLiteral("logo.bmp"))), NG7700A));
    ReportTextEditor editor(f.reports, f.logo, f.state, ReportTextEditor::CompanyName);
    const TextObject *company = f.reports.Report.textObject(QStringLiteral("Company"));
    for (int alignment : {LeftAlign, RightAlign}) {
        editor.setAlignment(alignment);
        editor.apply();
        EXPECT_EQ(company->leftIndent, alignment == LeftAlign ? ReportLogo::Indent : 0) << "alignment " << alignment;
        EXPECT_EQ(company->rightIndent, 0) << "alignment " << alignment;
    }
    editor.cancel();
    EXPECT_EQ(company->leftIndent, 0);
}

TEST(ReportTextEditor, FormatRemarkPlacesTheRemarkOnItsLine)
{
    struct Case { const char *column; int line; const char *expected; };
    for (const Case &c : {Case{" ", 2, "\r\rwet\r"}, Case{" ", 0, "wet\r"}, Case{"a\rb\rc\r", 1, "a\rwet\rc\r"}, Case{"a\r", 3, "a\r\r\rwet\r"}})
        EXPECT_EQ(ReportTextEditor::FORMAT_REMARK(QString::fromLatin1(c.column), c.line, QStringLiteral("wet")), QString::fromLatin1(c.expected))
            << QByteArray(c.column).toPercentEncoding().data() << " line " << c.line;
}

} // namespace
} // namespace valtrane::report
