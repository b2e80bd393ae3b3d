#include "report/ReportTestSupport.h"
#include "report/ReportTextEditor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

const QChar CR(13);

struct EditorFixture {
    ReportSet reports;
    ReportLogo logo{reports};
    AppState state;

    EditorFixture()
    {
        for (ReportDocument *report : {&reports.Report, &reports.StiffyReport})
            for (const QString name : {"Company", "Companyinfo", "Text8", "Field1", "Field2", "MachNoText", "ProjNameText", "TestedByText"})
                report->addText({.name = name, .text = "old " + name, .horAlignment = CentreAlign});
    }
    QString text(const char *name, bool stiffy = false) const { return (stiffy ? reports.StiffyReport : reports.Report).text(QString::fromLatin1(name)); }
    int alignment(const char *name) const { return reports.Report.horAlignment(QString::fromLatin1(name)); }
};

struct ItemCase { int code; const char *object; int infoField; };

const ItemCase TextItems[] = {{ReportTextEditor::CompanyName, "Company", 0}, {ReportTextEditor::CompanyInfo, "Companyinfo", -1}, {ReportTextEditor::ProjectName, "ProjNameText", 6}};

class EditedItem : public ::testing::TestWithParam<ItemCase> {
protected:
    const ItemCase &c = GetParam();
    EditorFixture f;
    ReportTextEditor editor{f.reports, f.logo, f.state, c.code};
    const QString old = QStringLiteral("old ") + QString::fromLatin1(c.object);
};

TEST_P(EditedItem, ApplyShowsTheTextInBothReports)
{
    EXPECT_EQ(std::pair(editor.text(), editor.applyEnabled()), std::pair(old, false));
    editor.setText(QStringLiteral("Acme\nTesting"));
    editor.setAlignment(RightAlign);
    EXPECT_TRUE(editor.applyEnabled());
    editor.apply();
    const QString applied = QStringLiteral("Acme") + CR + QStringLiteral("Testing");
    EXPECT_EQ(std::tuple(editor.applyEnabled(), f.text(c.object), f.text(c.object, true), f.alignment(c.object)), std::tuple(false, applied, applied, int(RightAlign)));
}

TEST_P(EditedItem, CancelPutsBackWhatTheEditorFound)
{
    editor.setText(QStringLiteral("Acme\nTesting"));
    editor.setAlignment(RightAlign);
    editor.apply();
    editor.cancel();
    EXPECT_EQ(std::tuple(f.text(c.object), f.alignment(c.object), f.state.InformationChanged), std::tuple(old, int(CentreAlign), false));
}

TEST_P(EditedItem, OkCopiesTheTextIntoTheLabInformation)
{
    editor.setText(QStringLiteral("Kept"));
    editor.ok();
    EXPECT_EQ(std::pair(f.text(c.object), f.state.InformationChanged), std::pair(QStringLiteral("Kept"), c.infoField >= 0));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f.state.CInfo[size_t(i)] == QLatin1String("Kept"), i == c.infoField) << "CInfo " << i;
}

INSTANTIATE_TEST_SUITE_P(HeaderItems, EditedItem, ::testing::ValuesIn(TextItems), [](const auto &info) { return std::string(info.param.object); });

TEST(ReportTextEditor, TheDateItemEditsOnlyItsAlignment)
{
    EditorFixture f;
    ReportTextEditor editor(f.reports, f.logo, f.state, ReportTextEditor::DateItem);
    EXPECT_EQ(QStringList({editor.caption(), editor.text()}), QStringList({"Edit Date/Time Position", ReportTextEditor::notModifiable()}));
    editor.setText(QStringLiteral("typed"));
    editor.setAlignment(LeftAlign);
    editor.ok();
    for (const char *name : {"Text8", "Field1", "Field2"})
        EXPECT_EQ(std::pair(f.alignment(name), f.text(name)), std::pair(int(LeftAlign), QStringLiteral("old ") + QString::fromLatin1(name))) << name;
}

TEST(ReportTextEditor, CompanyInformationOpensLineByLine)
{
    EditorFixture f;
    f.reports.Report.setText(QStringLiteral("Companyinfo"), QStringLiteral("1 Road") + CR + QStringLiteral("Town"));
    EXPECT_EQ(ReportTextEditor(f.reports, f.logo, f.state, ReportTextEditor::CompanyInfo).text(), QStringLiteral("1 Road\nTown"));
    f.reports.Report.setText(QStringLiteral("Companyinfo"), QStringLiteral(" Empty") + CR + QStringLiteral(" Empty"));
    EXPECT_EQ(ReportTextEditor(f.reports, f.logo, f.state, ReportTextEditor::CompanyInfo).text(), QString());
}

TEST(ReportTextEditor, ACompanyNameMovedLeftBesideALogoIsIndented)
{
    EditorFixture f;
    QTemporaryDir dir;
    ASSERT_TRUE(f.logo.place(test::savedPicture(dir.filePath(QStringLiteral("logo.bmp"))), NG7700A));
    ReportTextEditor name(f.reports, f.logo, f.state, ReportTextEditor::CompanyName);
    name.setAlignment(LeftAlign);
    name.apply();
    const TextObject *company = f.reports.Report.textObject(QStringLiteral("Company"));
    EXPECT_EQ(std::pair(company->leftIndent, company->rightIndent), std::pair(int(ReportLogo::Indent), 0));
}

TEST(ReportTextEditor, FormatRemarkPutsTheRemarkOnItsLine)
{
    struct Case { const char *column; int line; const char *expected; };
    for (const Case &c : {Case{" ", 2, "\r\rwet\r"}, Case{" ", 0, "wet\r"}, Case{"a\rb\rc\r", 1, "a\rwet\rc\r"}, Case{"a\r", 3, "a\r\r\rwet\r"}})
        EXPECT_EQ(ReportTextEditor::FORMAT_REMARK(QString::fromLatin1(c.column), c.line, QStringLiteral("wet")), QString::fromLatin1(c.expected))
            << QByteArray(c.column).toPercentEncoding().data() << " line " << c.line;
}

} // namespace
} // namespace valtrane::report
