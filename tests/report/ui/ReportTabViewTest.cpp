#include "report/ReportLayouts.h"
#include "report/ReportTestSupport.h"
#include "report/ui/AddInfo.h"
#include "report/ui/ReportMenu.h"
#include "report/ui/ReportPageView.h"
#include "report/ui/ReportTabView.h"
#include "report/ui/ReportViewer.h"

#include "support/PdfText.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

using namespace valtrane;
using report::ReportTab;
using report::ReportTabView;

namespace {

class ReportTabViewTest : public ::testing::Test, public test::ReportFixture {
protected:
    void show(const char *sample, const char *table, const char *surface)
    {
        open(QString::fromLatin1(sample));
        state.CurrentTable = QString::fromLatin1(table);
        state.CurrentSurface = QString::fromLatin1(surface);
        view = std::make_unique<ReportTabView>(ReportTab::Context{home.paths(), state, reports, database, prompter, files});
        view->resize(780, 560);  // inside the offscreen screen, so popups open where asked
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->enter();
    }
    QPoint clickPreview()
    {
        report::ReportPageView *pages = view->viewer()->pageView();
        const QPoint at = pages->viewportPoint(1, QPoint(6000, 3000));
        QTest::mouseClick(pages->viewport(), Qt::LeftButton, {}, at);
        return pages->viewport()->mapToGlobal(at);
    }
    void trigger(const QString &entry)
    {
        QAction *action = view->reportMenu()->entry(entry);
        ASSERT_NE(action, nullptr) << entry.toStdString();
        action->trigger();
    }
    void pick(const QString &entry)
    {
        clickPreview();
        trigger(entry);
        view->reportMenu()->close();
    }
    void showWithLogo()
    {
        show("writeout/ld4800.txt", "CBR_LBR1", "NONE");
        files.choices = {test::savedPicture(home.path() + QStringLiteral("/logo.jpg")), home.path() + QStringLiteral("/logo.jpg")};
        clickPreview();
        trigger(QStringLiteral("Ins_Logo"));
        ASSERT_EQ(files.shown.size(), 1u);
        ASSERT_NE(reports.Report.picture(report::ReportLogo::pictureName()), nullptr);
    }

    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser files;
    std::unique_ptr<ReportTabView> view;
};

TEST_F(ReportTabViewTest, AClickOnThePreviewOpensTheReportMenuWhereTheClickWas)
{
    show("writeout/sg2150.txt", "RUN1", "NONE");
    const QPoint at = clickPreview();
    report::ReportMenu *menu = view->reportMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(std::tuple(menu->pos(), menu->entry(QStringLiteral("StiffyToggle"))->text(), view->columnList()->isEnabled()), std::tuple(at, QString("View SG2150 Report B"), false));
    menu->close();
    trigger(QStringLiteral("StiffyToggle"));
    EXPECT_EQ(view->viewer()->pageView()->document(), &reports.StiffyReport);
}

TEST_F(ReportTabViewTest, AFontEntrySetsTheColumnListCount)
{
    show("writeout/ng7700a.txt", "13", "SOIL");
    for (auto [size, count] : {std::pair(12, 12), std::pair(9, 17), std::pair(10, 15), std::pair(11, 13)}) {
        pick(QStringLiteral("Font%1").arg(size));
        ASSERT_EQ(view->columnList()->count(), count) << size;
        EXPECT_EQ(std::pair(view->columnList()->item(count - 1)->text(), view->columnList()->currentRow()), std::pair(QStringLiteral("Column%1").arg(count), 0)) << size;
    }
}

TEST_F(ReportTabViewTest, TheEditorAppliesItsTextToTheReport)
{
    show("writeout/ng7700a.txt", "13", "SOIL");
    pick(QStringLiteral("PN"));
    report::AddInfo *editor = view->editor();
    ASSERT_NE(editor, nullptr);
    editor->textBox()->setPlainText(QStringLiteral("Runway 9"));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    EXPECT_EQ(reports.Report.text(QStringLiteral("ProjNameText")), QStringLiteral("Runway 9"));
}

TEST_F(ReportTabViewTest, OpeningAnEditorCancelsTheOneThatWasOpen)
{
    show("writeout/ng7700a.txt", "13", "SOIL");
    view->openEditor(report::ReportTextEditor::MachineNumber);
    QPointer<report::AddInfo> first = view->editor();
    first->textBox()->setPlainText(QStringLiteral("never applied"));
    view->openEditor(report::ReportTextEditor::TestedBy);
    EXPECT_NE(reports.Report.text(QStringLiteral("MachNoText")), QStringLiteral("never applied"));
    EXPECT_TRUE(first.isNull() || !first->isVisible());
}

TEST_F(ReportTabViewTest, TheLogoMovesToTheRightEdge)
{
    ASSERT_NO_FATAL_FAILURE(showWithLogo());
    pick(QStringLiteral("LR"));
    EXPECT_EQ(reports.Report.picture(report::ReportLogo::pictureName())->left, 10250);
}

TEST_F(ReportTabViewTest, ASecondLogoIsRefused)
{
    ASSERT_NO_FATAL_FAILURE(showWithLogo());
    trigger(QStringLiteral("Ins_Logo"));
    EXPECT_EQ(prompter.texts(), QStringList{"Report can only contain one picture object."});
    EXPECT_EQ(files.shown.size(), 1u);
}

TEST_F(ReportTabViewTest, PrintingLeavesOutPlaceholderHeaders)
{
    show("writeout/ld4800.txt", "CBR_LBR1", "NONE");
    view->columnList()->setCurrentRow(0);
    const auto found = view->columnObjects()->findItems(QStringLiteral("CH2"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(view->columnObjects()->viewport(), Qt::LeftButton, {}, view->columnObjects()->visualItemRect(found.first()).center());
    const QString pdf = home.path() + QStringLiteral("/printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(view->printOn(printer));
    const QString printed = test::pdfText(pdf);
    EXPECT_EQ(std::tuple(printer.pageLayout().orientation(), printed.contains(QStringLiteral("CH2")), printed.contains(QStringLiteral("Col 5")),
                         printed.contains(QStringLiteral("Co1 ")), reports.Report.suppressed(report::ReportLayouts::headerName(6))),
              std::tuple(QPageLayout::Portrait, true, false, false, false));
}

} // namespace
