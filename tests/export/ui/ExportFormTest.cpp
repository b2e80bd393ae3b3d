#include "export/ui/ExportForm.h"

#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;
using exporting::ExportForm;
using exporting::ExportSelect;
using exporting::ReportOnScreen;

namespace {

class ExportFormTest : public ::testing::Test {
protected:
    ExportForm &open(int model, ReportOnScreen shown = ReportOnScreen::Main)
    {
        state.DeviceCode = model;
        state.LastFolder = home.path();
        form = new ExportForm(home.paths(), state, choices, prompter, files, shown);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.data()));
        return *form;
    }
    static void click(QAbstractButton *button)
    {
        if (button->isEnabled())
            button->click();
    }
    QString file(const QString &name) const { return QDir::toNativeSeparators(home.path() + QLatin1Char('/') + name); }
    ~ExportFormTest() override { delete form.data(); }

    test::TempHome home;
    AppState state;
    exporting::ExportChoices choices;
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser files;
    QPointer<ExportForm> form;
};

TEST_F(ExportFormTest, OffersTheStiffnessFileOnlyForTheStiffnessGauge)
{
    for (int model : {LD4800, NG7700A, NG7700B, SG2150}) {
        ExportForm &f = open(model);
        const bool stiffness = model == SG2150;
        SCOPED_TRACE(model);
        EXPECT_EQ(f.location(1)->text(), stiffness ? file("DataStif.csv") : QString("N/A"));
        EXPECT_EQ(std::vector<bool>({f.location(1)->isEnabled(), f.browseButton(1)->isEnabled(), f.whatOption(0)->isEnabled(), f.whatOption(1)->isEnabled()}),
                  std::vector<bool>(4, stiffness));
        click(f.formatOption(ExportSelect::Pdf));
        EXPECT_EQ(f.location(1)->text(), stiffness ? file("DataStif.pdf") : QString("N/A"));
        delete form.data();
    }
}

TEST_F(ExportFormTest, OpensUnconfirmedOnDiskCsvAllPagesWithTheRawFileInLastFolder)
{
    state.ExportConfirmed = true;
    ExportForm &d = open(NG7700B);
    EXPECT_FALSE(state.ExportConfirmed);
    EXPECT_EQ(std::vector<bool>({d.destOption(ExportSelect::Disk)->isChecked(), d.formatOption(ExportSelect::Csv)->isChecked(),
                                 d.rangeOption(ExportSelect::AllPages)->isChecked(), d.whatOption(ExportSelect::AllData)->isChecked(),
                                 d.rangeBox(0)->isEnabled(), d.rangeBox(1)->isEnabled()}),
              std::vector<bool>({true, true, true, true, false, false}));
    EXPECT_EQ(QStringList({d.location(0)->text(), d.rangeBox(0)->text(), d.rangeBox(1)->text(), d.whatOption(1)->text()}),
              QStringList({file("DataRaw.csv"), "1", "1", "Export Raw Data"}));
}

TEST_F(ExportFormTest, FormatReplacesTheLastThreeCharactersOfEachName)
{
    ExportForm &f = open(SG2150);
    click(f.formatOption(ExportSelect::Rtf));
    EXPECT_EQ(QStringList({f.location(0)->text(), f.location(1)->text()}), QStringList({file("DataRaw.rtf"), file("DataStif.rtf")}));
    f.location(0)->clear();
    QTest::keyClicks(f.location(0), "/tmp/result");
    click(f.formatOption(ExportSelect::Pdf));
    EXPECT_EQ(f.location(0)->text(), "/tmp/respdf");
}

TEST_F(ExportFormTest, BrowseTakesAFileOfTheChosenFormatIntoTheBoxUnlessCancelled)
{
    QDir(home.path()).mkdir("out");
    const QString chosen = home.path() + "/out/lab.pdf";
    files.choices = {chosen, std::nullopt};
    ExportForm &f = open(SG2150);
    click(f.formatOption(ExportSelect::Pdf));
    click(f.browseButton(1));
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(QStringList({files.shown[0].request.filter, files.shown[0].request.folder, f.location(1)->text(), state.LastFolder}),
              QStringList({"Adobe Format (*.pdf)", home.path(), QDir::toNativeSeparators(chosen), home.path() + "/out"}));
    click(f.browseButton(0));  // cancelled: the name stays
    EXPECT_EQ(f.location(0)->text(), file("DataRaw.pdf"));
}

TEST_F(ExportFormTest, ApplicationTakesCsvAwayInFavourOfRichTextUntilDiskGivesItBack)
{
    ExportForm &g = open(LD4800);
    click(g.destOption(ExportSelect::Application));
    EXPECT_EQ(std::tuple(g.formatOption(ExportSelect::Csv)->isEnabled(), g.formatOption(ExportSelect::Rtf)->isChecked(), g.location(0)->text()),
              std::tuple(false, true, file("DataRaw.rtf")));
    click(g.formatOption(ExportSelect::Pdf));
    click(g.destOption(ExportSelect::Disk));
    EXPECT_EQ(std::pair(g.formatOption(ExportSelect::Csv)->isEnabled(), g.formatOption(ExportSelect::Pdf)->isChecked()), std::pair(true, true));
}

TEST_F(ExportFormTest, TheRangeBoxesTakePageNumbersWhileRangeIsChosen)
{
    ExportForm &g = open(LD4800);
    click(g.rangeOption(ExportSelect::PageRange));
    ASSERT_TRUE(g.rangeBox(1)->isEnabled());
    g.rangeBox(1)->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(g.rangeBox(1), "12");
    EXPECT_EQ(g.rangeBox(1)->text(), "12");  // entering selected the "1", so typing replaced it
    QTest::keyClicks(g.rangeBox(1), "x");
    EXPECT_EQ(g.rangeBox(1)->text(), "1");
    click(g.rangeOption(ExportSelect::AllPages));
    EXPECT_FALSE(g.rangeBox(0)->isEnabled());
}

TEST_F(ExportFormTest, CancelKeepsTheStoredChoicesUnconfirmed)
{
    choices.ExportFormatChoice = "PDF";
    click(open(LD4800).formatOption(ExportSelect::Rtf));
    click(form->cancelButton());
    EXPECT_TRUE(form.isNull() || !form->isVisible());
    EXPECT_EQ(std::pair(state.ExportConfirmed, choices.ExportFormatChoice), std::pair(false, QString("PDF")));
}

TEST_F(ExportFormTest, CurrentDataIsTheStiffnessReportOnScreenWithoutTheRawFile)
{
    EXPECT_EQ(open(SG2150, ReportOnScreen::Stiffness).whatOption(1)->text(), "Export Stiffness Data");
    click(form->whatOption(ExportSelect::CurrentData));
    EXPECT_FALSE(form->browseButton(0)->isEnabled());
}

TEST_F(ExportFormTest, ExportClosesTheDialogStoringEveryChoice)
{
    ExportForm &f = open(SG2150, ReportOnScreen::Stiffness);
    click(f.formatOption(ExportSelect::Rtf));
    click(f.rangeOption(ExportSelect::PageRange));
    f.rangeBox(0)->setText("2");
    f.rangeBox(1)->setText("3");
    click(f.whatOption(ExportSelect::CurrentData));
    click(f.exportButton());
    EXPECT_TRUE(form.isNull() || !form->isVisible());
    EXPECT_TRUE(state.ExportConfirmed);
    const exporting::ExportChoices &c = choices;
    EXPECT_EQ(QStringList({c.ExportDestChoice, c.ExportFormatChoice, c.ExportRangeChoice, c.ExportRangeFirst, c.ExportRangeLast,
                           c.ExportWhatChoice, c.RawExportFile, c.StiffnessExportFile}),
              QStringList({"DISK", "RTF", "RANGE", "2", "3", "CURRENT", home.path() + "/DataRaw.rtf", home.path() + "/DataStif.rtf"}));
}

TEST_F(ExportFormTest, AFileNameOutsideAWritableFolderKeepsTheDialogOpen)
{
    struct Case { const char *what; int box; QString name; const char *message; };
    const QString missing = home.path() + "/no such folder/DataRaw.csv";
    const char *raw = "Invalid raw data export file name.";
    for (const Case &bad : {Case{"raw file in a missing folder", 0, missing, raw}, Case{"raw name without a folder", 0, "DataRaw.csv", raw},
                            Case{"raw name that is a folder", 0, home.path() + "/", raw},
                            Case{"stiffness file in a missing folder", 1, missing, "Invalid stiffness data export file name."}}) {
        prompter.shown.clear();
        ExportForm &g = open(SG2150);
        g.location(bad.box)->clear();
        QTest::keyClicks(g.location(bad.box), bad.name);
        click(g.exportButton());
        ASSERT_EQ(prompter.texts(), QStringList{bad.message}) << bad.what;
        EXPECT_TRUE(g.isVisible()) << bad.what;
        EXPECT_FALSE(state.ExportConfirmed) << bad.what;
        delete form.data();
    }
}

} // namespace
