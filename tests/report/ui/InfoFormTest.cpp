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
    EXPECT_EQ(std::pair(int(saved.count()), state.InformationChanged), std::pair(1, false));
    // "Empty" fields are not copied: the designed texts stay.
    EXPECT_EQ(QStringList({reports.Report.text("Company"), reports.StiffyReport.text("Company"), reports.Report.text("MachNoText"), reports.Report.text("TestedByText")}),
              QStringList({"Quarry Labs", "Quarry Labs", "M-42", report::ReportLayouts::buildReport(NG7700A).text("TestedByText")}));
    AppState read;
    report::InfoFile::read(home.paths(), read);
    EXPECT_EQ(QStringList({read.CInfo[0], read.CInfo[7], read.CInfo[8]}), QStringList({"Quarry Labs", "M-42", "Empty"}));
}

TEST_F(InfoFormTest, CloseLeavesTheInformationAsItWas)
{
    typeInto(0, QStringLiteral("Typed But Not Saved"));
    QTest::mouseClick(form->closeButton(), Qt::LeftButton);
    EXPECT_EQ(std::tuple(form->isVisible(), state.CInfo[0], state.InformationChanged, home.exists("info/Info.vkt"), prompter.shown.size()),
              std::tuple(false, QString("Old Lab"), true, false, size_t(0)));
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
