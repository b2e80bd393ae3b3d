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

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
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
        view->setFillPause(0);
        view->resize(780, 560);  // inside the offscreen screen, so popups open where asked
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->enter();
    }
    void choose(int position, const QString &object)
    {
        if (!view->columnObjects()->isEnabled()) {  // the stiffness gauge's columns come from its layout
            view->tab().setColumnSelection(position);
            view->tab().placeColumnObject(object);
            view->refreshPreview();
            return;
        }
        view->columnList()->setCurrentRow(position);
        const auto found = view->columnObjects()->findItems(object, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << object.toStdString();
        const QRect rect = view->columnObjects()->visualItemRect(found.first());
        QTest::mouseClick(view->columnObjects()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // A left click on the middle of the preview's first page.
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
    // Opens the report menu on the preview, picks an entry and closes the menu.
    void pick(const QString &entry)
    {
        clickPreview();
        trigger(entry);
        view->reportMenu()->close();
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
    EXPECT_EQ(std::tuple(menu->pos(), menu->entry(QStringLiteral("StiffyToggle"))->text(), view->columnList()->isEnabled()),
              std::tuple(at, QString("View SG2150 Report B"), false));
    menu->close();
    trigger(QStringLiteral("StiffyToggle"));
    EXPECT_EQ(view->viewer()->pageView()->document(), &reports.StiffyReport);
    clickPreview();
    EXPECT_EQ(view->reportMenu()->entry(QStringLiteral("StiffyToggle"))->text(), QStringLiteral("View SG2150 Report A"));
    view->reportMenu()->close();
}

TEST_F(ReportTabViewTest, FontEntriesChangeTheirCaptionsAndTheColumnListCount)
{
    show("writeout/ng7700a.txt", "13", "SOIL");
    EXPECT_EQ(std::pair(view->columnList()->count(), view->columnObjects()->item(0)->text()), std::pair(17, QString("None")));
    const std::pair<int, int> counts[] = {{12, 12}, {10, 15}, {11, 13}, {9, 17}};
    for (auto [size, count] : counts) {
        pick(QStringLiteral("Font%1").arg(size));
        ASSERT_EQ(view->columnList()->count(), count) << size;
        EXPECT_EQ(std::pair(view->columnList()->item(count - 1)->text(), view->columnList()->currentRow()), std::pair(QStringLiteral("Column%1").arg(count), 0)) << size;
        clickPreview();
        for (int other = 9; other <= 12; ++other)
            EXPECT_EQ(view->reportMenu()->entry(QStringLiteral("Font%1").arg(other))->text(),
                      other == size ? QStringLiteral("%1 (Current)").arg(other) : QString::number(other));
        view->reportMenu()->close();
    }
}

TEST_F(ReportTabViewTest, LogoInsertMovesAndDeleteAndASecondLogoIsRefused)
{
    show("writeout/ld4800.txt", "CBR_LBR1", "NONE");
    files.choices = {test::savedPicture(home.path() + QStringLiteral("/logo.jpg")), home.path() + QStringLiteral("/logo.jpg")};
    clickPreview();
    EXPECT_FALSE(view->reportMenu()->entry(QStringLiteral("DLogo"))->isEnabled());
    trigger(QStringLiteral("Ins_Logo"));
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0].request.filter, report::ReportLogo::pictureFilter());
    const auto logo = [this] { return reports.Report.picture(report::ReportLogo::pictureName()); };
    ASSERT_NE(logo(), nullptr);
    trigger(QStringLiteral("Ins_Logo"));
    EXPECT_EQ(prompter.texts(), QStringList{"Report can only contain one picture object."});
    EXPECT_EQ(files.shown.size(), 1u);
    pick(QStringLiteral("LR"));
    EXPECT_EQ(logo()->left, 10250);
    pick(QStringLiteral("DLogo"));
    EXPECT_EQ(logo(), nullptr);
}

TEST_F(ReportTabViewTest, EditorAppliesAndCancelsAndOnlyOneIsOpen)
{
    show("writeout/ng7700b.txt", "77", "SOIL");
    const QString before = reports.Report.text(QStringLiteral("ProjNameText"));
    clickPreview();
    trigger(QStringLiteral("PN"));
    report::AddInfo *editor = view->editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->applyButton()->isEnabled());
    editor->textBox()->setPlainText(QStringLiteral("Runway 9"));
    QTest::mouseClick(editor->alignmentButton(report::RightAlign), Qt::LeftButton);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    EXPECT_EQ(std::pair(reports.Report.text(QStringLiteral("ProjNameText")), editor->applyButton()->isEnabled()), std::pair(QString("Runway 9"), false));
    QTest::mouseClick(editor->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(reports.Report.text(QStringLiteral("ProjNameText")), before);
    EXPECT_NE(reports.Report.horAlignment(QStringLiteral("ProjNameText")), report::RightAlign);

    view->openEditor(report::ReportTextEditor::MachineNumber);
    QPointer<report::AddInfo> first = view->editor();
    first->textBox()->setPlainText(QStringLiteral("never applied"));
    view->openEditor(report::ReportTextEditor::TestedBy);
    EXPECT_NE(reports.Report.text(QStringLiteral("MachNoText")), QStringLiteral("never applied"));
    QTest::qWait(1);
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull() || !first->isVisible());
}

// Printing to a PDF file the way "Print to File" does, without the dialog.
struct PrintCase { const char *name; const char *sample; const char *table; const char *surface; const char *object; const char *caption; bool landscape; };

class PrintedReport : public ReportTabViewTest, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintedReport, PrintsOnTheModelsPaperWithoutPlaceholderHeadersAndShowsThemAgainAfter)
{
    const PrintCase &c = GetParam();
    show(c.sample, c.table, c.surface);
    choose(0, QString::fromLatin1(c.object));
    const QString pdf = home.path() + QStringLiteral("/printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(view->printOn(printer));
    EXPECT_EQ(printer.pageLayout().orientation() == QPageLayout::Landscape, c.landscape);

    const QString printed = test::pdfText(pdf);
    SCOPED_TRACE(printed.left(2000).toStdString());
    EXPECT_EQ(std::tuple(printed.contains(QString::fromLatin1(c.caption)), printed.contains(QStringLiteral("Col 5")), printed.contains(QStringLiteral("Co1 ")),
                         reports.Report.suppressed(report::ReportLayouts::headerName(6))),
              std::tuple(true, false, false, false));
}

INSTANTIATE_TEST_SUITE_P(
    Models, PrintedReport,
    ::testing::Values(PrintCase{"LD4800", "writeout/ld4800.txt", "CBR_LBR1", "NONE", "CH2", "CH2", false},
                      PrintCase{"NG7700A", "writeout/ng7700a.txt", "13", "SOIL", "Wet Dens", "WD", true},
                      PrintCase{"SG2150", "writeout/sg2150.txt", "RUN1", "NONE", "Frequency", "Freq.", true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
