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
        EXPECT_EQ(form->field(0)->text(), QStringLiteral("Old Lab"));
        EXPECT_EQ(form->field(8)->text(), QStringLiteral("Empty"));
    }
    // Clicks into a field, as a user would, and types.
    void typeInto(int field, const QString &keys)
    {
        QTest::mouseClick(form->field(field), Qt::LeftButton);
        QTest::qWait(20);
        QTest::keyClicks(form->field(field), keys);
    }

    test::TempHome home;
    AppState state;
    report::ReportSet reports;
    test::ScriptedPrompter prompter;
    std::unique_ptr<InfoForm> form;
};

TEST_F(InfoFormTest, TypingReplacesTheFieldAndSavingPutsItOnBothReports)
{
    typeInto(0, QStringLiteral("Quarry Labs"));
    typeInto(7, QStringLiteral("M-42"));
    EXPECT_EQ(form->field(0)->text(), QStringLiteral("Quarry Labs"));
    QSignalSpy saved(form.get(), &InfoForm::informationSaved);
    QTest::mouseClick(form->saveButton(), Qt::LeftButton);

    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Information Saved.")});
    EXPECT_EQ(saved.count(), 1);
    EXPECT_FALSE(state.InformationChanged);
    EXPECT_EQ(reports.Report.text(QStringLiteral("Company")), QStringLiteral("Quarry Labs"));
    EXPECT_EQ(reports.StiffyReport.text(QStringLiteral("Company")), QStringLiteral("Quarry Labs"));
    EXPECT_EQ(reports.Report.text(QStringLiteral("MachNoText")), QStringLiteral("M-42"));
    // "Empty" fields are not copied: the designed texts stay.
    EXPECT_EQ(reports.Report.text(QStringLiteral("TestedByText")), report::ReportLayouts::buildReport(NG7700A).text(QStringLiteral("TestedByText")));
    AppState read;
    report::InfoFile::read(home.paths(), read);
    EXPECT_EQ(read.CInfo[0], QStringLiteral("Quarry Labs"));
    EXPECT_EQ(read.CInfo[7], QStringLiteral("M-42"));
    EXPECT_EQ(read.CInfo[8], QStringLiteral("Empty"));
}

TEST_F(InfoFormTest, CloseLeavesTheInformationAsItWas)
{
    typeInto(0, QStringLiteral("Typed But Not Saved"));
    QTest::mouseClick(form->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.CInfo[0], QStringLiteral("Old Lab"));
    EXPECT_TRUE(state.InformationChanged);
    EXPECT_FALSE(home.exists(QStringLiteral("info/Info.vkt")));
    EXPECT_TRUE(prompter.shown.empty());
}

class LabInfoCommand : public test::MainWindowFixture {};

TEST_F(LabInfoCommand, OpensTheFormOverTheMainWindowAndSavingSettlesTheQuestionOnExit)
{
    start();
    state.InformationChanged = true;
    auto *command = window->findChild<QAction *>(QStringLiteral("Information"));
    ASSERT_TRUE(command);
    command->trigger();
    auto *form = window->findChild<InfoForm *>();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isModal());
    QTest::mouseClick(form->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(state.InformationChanged);
    window->close();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Information Saved.")});
}

} // namespace
