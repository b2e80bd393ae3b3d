#include "app/ui/AboutBox.h"
#include "app/ui/ComSummary.h"
#include "common/ProgramInfo.h"
#include "common/Twips.h"
#include "db/CreateDatabase.h"
#include "db/TableKinds.h"
#include "link/SerialControl.h"
#include "stiffness/ui/StiffnessConsDialog.h"
#include "support/BrowsingTables.h"
#include "support/ui/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace valtrane;
using Answer = Prompter::Answer;
using link::SerialControl;
using stiffness::StiffnessConsDialog;

namespace {

class MainWindowTest : public test::MainWindowFixture {
protected:
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    void trigger(const char *name)
    {
        ASSERT_TRUE(action(name)) << name;
        action(name)->trigger();
    }
    QTimer *textChanged() const { return window->findChild<QTimer *>("TextChanged"); }
    void tick() { QMetaObject::invokeMethod(textChanged(), "timeout"); }
};

} // namespace

TEST_F(MainWindowTest, FirstStartShowsOnlyTheTreeRootWithoutAnyMessageAndBecomingActiveSaysStatusOK)
{
    start();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(treeTexts(), QStringList{"Tests"});
    QTabWidget *tabs = window->mainTab();
    EXPECT_EQ(QStringList({window->statusText(), window->windowTitle(), tabs->tabText(0), tabs->tabText(1),
                           window->findChild<QLabel *>("What_report")->text()}),
              QStringList({"Status: Ok", "Valtrane IR Download", "View Data", "View Report", "No Project Selected"}));
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_TRUE(tabs->isTabEnabled(2));
    EXPECT_EQ(state.LastFolder, home.path());
    show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->statusText(), "Status: OK");
}

TEST_F(MainWindowTest, ADatabaseWithoutRegistryIsResetWithOneMessage)
{
    db::CreateDatabase(home.paths()).Create();
    start();
    ASSERT_EQ(prompter.texts(), QStringList{"Database with no tables, reseting."});
    EXPECT_EQ(prompter.shown[0].title, "Valtrane IR Download");
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::Ok);
    EXPECT_FALSE(home.exists("info/MIRVAT.vkd"));
    EXPECT_EQ(treeTexts(), QStringList{"Tests"});
}

TEST_F(MainWindowTest, TheRegisteredTablesAndTheSavedRootCaptionMakeTheTreeRebuiltOnReturningToTheDataPage)
{
    test::addTables(home.paths(), {{"RUN1", db::StiffnessRunTable, {}, {}}});
    test::writeRegistry(home.paths(), SG2150, "RUN1 RUN21 ");
    home.writeFile("info/Info.vkt", "\"Acme\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rRun Number (field.txt)\r\"\r\n");
    start();
    EXPECT_EQ(treeTexts(), (QStringList{"Run Number (field.txt)", "RUN1", "RUN21+"}));
    window->mainTab()->setCurrentIndex(2);
    state.Table_List = "RUN1 RUN21 RUN5 ";
    window->mainTab()->setCurrentIndex(0);
    EXPECT_EQ(treeTexts(), (QStringList{"Run Number (field.txt)", "RUN1", "RUN21+", "RUN5"}));
}

TEST_F(MainWindowTest, TakingPagesAwayLeavesTheShownPageInPlaceAndGivingOneBackShowsIt)
{
    start();
    QTabWidget *tabs = window->mainTab();
    tabs->setTabEnabled(1, true);
    QSignalSpy changes(tabs, &QTabWidget::currentChanged);
    for (int page : {0, 1, 2})
        window->setPageAvailable(page, false);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(changes.count(), 0);
    window->setPageAvailable(1, true);
    EXPECT_EQ(tabs->currentIndex(), 1);
    window->setPageAvailable(0, true);
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(MainWindowTest, TheWindowNeverGetsSmallerThanItsMinimumSize)
{
    start();
    const int minWidth = twips::toPixels(7635, window->logicalDpiX());
    const int minHeight = twips::toPixels(7335, window->logicalDpiY());
    window->resize(minWidth / 2, 10);
    EXPECT_EQ(window->size(), QSize(minWidth, minHeight));
    window->resize(minWidth + 40, minHeight + 40);
    EXPECT_EQ(window->size(), QSize(minWidth + 40, minHeight + 40));
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileThereAtStartUpTheMakersSiteAndAnAboutBoxThatDoesNotBlock)
{
    start();
    trigger("Contents");
    EXPECT_EQ(prompter.texts(), QStringList{"No Help File Found"});
    EXPECT_TRUE(desktop.urls.empty());

    home.writeFile("help/TELVAR.hlp", "help");
    start();
    trigger("Contents");
    trigger("Weblink");
    EXPECT_EQ(desktop.urls, (std::vector<QUrl>{QUrl::fromLocalFile(home.paths().helpFile()), QUrl(program::webAddress())}));
    EXPECT_EQ(prompter.shown.size(), 1u);

    show();
    trigger("About");
    auto *about = window->findChild<app::AboutBox *>();
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(QStringList({about->windowTitle(), about->findChild<QLabel *>("lblTitle")->text(), about->findChild<QLabel *>("lblVersion")->text()}),
              QStringList({"About Valtrane IR Download", "Valtrane IR Download",
                           QStringLiteral("Version %1.%2.%3").arg(VALTRANE_VERSION_MAJOR).arg(VALTRANE_VERSION_MINOR).arg(VALTRANE_VERSION_PATCH)}));

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    QTest::mouseClick(about->findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", path);
#ifndef Q_OS_WIN
    EXPECT_EQ(prompter.texts().last(), "System Information Is Unavailable At This Time");
    EXPECT_EQ(prompter.shown.size(), 2u);
#endif
    QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(MainWindowTest, PortsAreScannedAtStartUpEveryMinuteAndOnRequest)
{
    serial.setOpenError(2, SerialControl::PortAlreadyOpen);
    start();
    show();
    EXPECT_EQ(action("COM_STAT1")->text(), "COM2: IN USE");
    auto *timer = window->findChild<QTimer *>("Check_Timer");
    ASSERT_TRUE(timer);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);
    serial.setOpenError(1, SerialControl::PortAlreadyOpen);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(window->portCaptions().first(), "COM1: IN USE");

    serial.setOpenError(3, SerialControl::PortAlreadyOpen);
    trigger("Check_Ports");
    auto *summary = window->findChild<app::ComSummary *>();
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(summary->findChild<QLabel *>("Label1")->text().contains("COM2: IN USE\nCOM3: IN USE\n"));
}

TEST_F(MainWindowTest, ClosingAsksOnceAboutUnsavedInformationAndClosesTheSerialPortUnlessItIsBetweenTests)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const bool yes = answer == Answer::Yes;
        SCOPED_TRACE(yes ? "yes, between tests" : "no");
        home.writeFile("info/Info.vkt", "\"Old Co\r\"\r\n");
        start();
        ASSERT_EQ(window->serialLink()->RunTest(), 0);
        ASSERT_TRUE(window->serialLink()->Between_Tests);
        window->serialLink()->Between_Tests = yes;
        state.InformationChanged = true;
        state.CInfo[0] = "New Co";
        prompter = test::ScriptedPrompter({answer});
        window->close();
        window->close();
        EXPECT_EQ(prompter.texts(), QStringList{"Information changed.  Do you want to save changes?"});
        EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
        if (yes)
            EXPECT_TRUE(home.readFile("info/Info.vkt").startsWith("\"New Co\r"));
        else
            EXPECT_EQ(home.readFile("info/Info.vkt"), "\"Old Co\r\"\r\n");
        EXPECT_EQ(state.InformationChanged, !yes);
        EXPECT_EQ(serial.PortOpen(), yes);
        EXPECT_FALSE(window->serialLink());
    }
}

TEST_F(MainWindowTest, TheConstantsDialogHoldsTheImportCommandWhileOpenAndItsTimerPassesNewConstantsOnOnce)
{
    start();
    show();
    QSignalSpy rebuilt(window.get(), &app::MainWindow::stiffnessConstantsChanged);
    action("SCons")->trigger();
    StiffnessConsDialog *dialog = window->constantsDialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    const auto enabled = [&] { return std::vector<bool>{action("ImportWizard")->isEnabled(), action("COM_DES")->isEnabled(), action("SCons")->isEnabled()}; };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true}));
    ASSERT_TRUE(textChanged()->isActive());
    EXPECT_EQ(textChanged()->interval(), 1000);

    tick();
    EXPECT_EQ(rebuilt.count(), 0);
    EXPECT_TRUE(textChanged()->isActive());
    QTest::keyClicks(dialog->box(Poisra), "0.35");
    QTest::mouseClick(dialog->button(StiffnessConsDialog::Apply), Qt::LeftButton);
    ASSERT_TRUE(state.ConstantsChanged);
    tick();
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_FALSE(state.ConstantsChanged);
    EXPECT_FALSE(textChanged()->isActive());

    QTest::mouseClick(dialog->button(StiffnessConsDialog::Cancel), Qt::LeftButton);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
    action("SCons")->trigger();
    ASSERT_NE(window->constantsDialog(), nullptr);
    EXPECT_TRUE(window->constantsDialog()->isVisible());
}

TEST_F(MainWindowTest, MissingStiffnessConstantsAreSetUpInTheDialogWhenTheUserSaysYes)
{
    prompter = test::ScriptedPrompter({Prompter::Answer::Yes});
    start();
    show();
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<StiffnessConsDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        modal = true;
        dialog->box(MeasMs)->setText("0.1234");
        dialog->box(Densi2)->setText("1800");
        QTest::mouseClick(dialog->button(StiffnessConsDialog::Ok), Qt::LeftButton);
    });
    window->stiffnessConstantsFile().load();

    EXPECT_TRUE(modal);
    EXPECT_EQ(prompter.texts(), QStringList{"SG2150 Constants do not exist.  Do you want to setup constants now?"});
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[MeasMs].toDouble(), 0.1234);
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[Densi2].toDouble(), 1800);
    EXPECT_TRUE(home.exists("info/StiffnessCons.vkt"));
    EXPECT_TRUE(textChanged()->isActive());
}
