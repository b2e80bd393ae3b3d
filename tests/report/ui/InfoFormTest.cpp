#include "report/InfoFile.h"
#include "report/ReportLayouts.h"
#include "report/ui/InfoForm.h"

#include "support/ScriptedPrompter.h"
#include "support/ui/MainWindowFixture.h"
#include "support/TempHome.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;
using report::InfoForm;

namespace {

class InfoFormTest : public ::testing::Test {
protected:
    InfoFormTest()
    {
        reports.Report = report::ReportLayouts::buildReport(NG7700A);
        reports.StiffyReport = report::ReportLayouts::buildStiffyReport();
        state.CInfo[0] = QStringLiteral("Old Lab");
        state.InformationChanged = true;
        form = std::make_unique<InfoForm>(home.paths(), state, &reports, prompter);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        EXPECT_EQ(QStringList({form->field(0)->text(), form->field(8)->text()}), QStringList({"Old Lab", "Empty"}));
    }

    test::TempHome home;
    AppState state;
    report::ReportSet reports;
    test::ScriptedPrompter prompter;
    std::unique_ptr<InfoForm> form;
};

TEST_F(InfoFormTest, TypingReplacesTheField)
{
    QTest::mouseClick(form->field(0), Qt::LeftButton);
    QCoreApplication::processEvents();  // the click selects the text once events run
    QTest::keyClicks(form->field(0), QStringLiteral("Quarry Labs"));
    EXPECT_EQ(form->field(0)->text(), QStringLiteral("Quarry Labs"));
}

TEST_F(InfoFormTest, SavingPutsTheInformationOnBothReports)
{
    form->field(0)->setText(QStringLiteral("Quarry Labs"));
    QSignalSpy saved(form.get(), &InfoForm::informationSaved);
    QTest::mouseClick(form->saveButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Information Saved.")});
    EXPECT_EQ(std::pair(int(saved.count()), state.InformationChanged), std::pair(1, false));
    AppState read;
    report::InfoFile::read(home.paths(), read);
    EXPECT_EQ(QStringList({reports.Report.text("Company"), reports.StiffyReport.text("Company"), read.CInfo[0]}), QStringList({"Quarry Labs", "Quarry Labs", "Quarry Labs"}));
}

TEST_F(InfoFormTest, CloseLeavesTheInformationAsItWas)
{
    form->field(0)->setText(QStringLiteral("Typed But Not Saved"));
    QTest::mouseClick(form->closeButton(), Qt::LeftButton);
    EXPECT_EQ(std::tuple(form->isVisible(), state.CInfo[0], state.InformationChanged, home.exists("info/Info.vkt"), prompter.shown.size()),
              std::tuple(false, QString("Old Lab"), true, false, size_t(0)));
}

class LabInfoCommand : public test::MainWindowFixture {};

TEST_F(LabInfoCommand, OpensTheFormOverTheMainWindow)
{
    start();
    auto *command = window->findChild<QAction *>(QStringLiteral("Information"));
    ASSERT_TRUE(command);
    command->trigger();
    auto *form = window->findChild<InfoForm *>();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isModal());
}

} // namespace
