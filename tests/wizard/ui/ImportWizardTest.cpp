#include "wizard/ui/ImportWizard.h"

#include "app/ui/DataPage.h"
#include "db/TableKinds.h"
#include "parse/SampleStreams.h"
#include "link/SerialControl.h"
#include "support/BrowsingTables.h"
#include "support/ui/MainWindowFixture.h"
#include "support/ui/WizardSteps.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace valtrane;
using link::SerialControl;
using wizard::ImportWizard;

namespace {

class ImportWizardTest : public test::MainWindowFixture {
protected:
    ImportWizard &openWizard()
    {
        if (!window)
            start();
        show();
        window->findChild<QAction *>("ImportWizard")->trigger();
        wizard = window->importWizard();
        EXPECT_TRUE(wizard);
        return *wizard;
    }

    QPointer<ImportWizard> wizard;
};

} // namespace

TEST_F(ImportWizardTest, OpensBesideTheMainWindowWithOnlyTheFreePortsToChoose)
{
    serial.setOpenError(2, SerialControl::PortAlreadyOpen);
    serial.setOpenError(3, SerialControl::InvalidPortNumber);
    serial.setModemAnswer(4, "OK\r\n");
    start();
    window->serialLink()->Abort_Download = true;
    openWizard();

    EXPECT_EQ(window->statusText(), "Status: Waiting for data from Wizard.");
    EXPECT_EQ(std::tuple(window->serialLink()->Abort_Download, wizard->isModal(), window->isEnabled()), std::tuple(false, false, true));

    EXPECT_TRUE(wizard->messageLine(0)->text().startsWith("Welcome to the Valtrane Download Import Wizard."));
    EXPECT_EQ(wizard->connectionPanel()->text(), "Not Connected ");

    test::press(*wizard, 0);
    wizard->portButton(1)->click();
    EXPECT_FALSE(wizard->button(0)->isEnabled());
    wizard->portButton(0)->click();
    EXPECT_TRUE(wizard->button(0)->isEnabled());

    window->findChild<QAction *>("ImportWizard")->trigger();
    EXPECT_EQ(window->findChildren<ImportWizard *>().size(), 1);
}

TEST_F(ImportWizardTest, ThePanelsFollowTheDownloadFromWaitingToReceiving)
{
    openWizard();
    QStringList seen;
    serial.queueSilence(3);
    serial.queueAction([&] {
        seen << wizard->connectionPanel()->text() << wizard->timePanel()->text();
        QMetaObject::invokeMethod(wizard->findChild<QTimer *>("CountdownTimer"), "timeout");
        seen << wizard->timePanel()->text() << wizard->messageLine(1)->text();
    });
    serial.queueBytes("\r\n12.5");
    serial.queueAction([&] {
        QMetaObject::invokeMethod(wizard->findChild<QTimer *>("CountdownTimer"), "timeout");
        seen << wizard->connectionPanel()->text() << wizard->timePanel()->text() << wizard->messageLine(1)->text()
             << wizard->findChild<QLineEdit *>("ReceiveBox")->text();
    });
    test::walkToStart(*wizard, 0, NG7700B);

    EXPECT_EQ(seen, (QStringList{"Connected ", "Timeout in 29 Seconds ", "Timeout in 28 Sec", "Waiting to recieve data from Gauge",
                                 "Downloading Data ", "Time: 0 min 1 sec", "Recieving Information from Gauge", "1"}));
}

TEST_F(ImportWizardTest, ADownloadThatEndsWellFinishesWithItsTablesInTheTreeAndTheirRowsInTheGrid)
{
    openWizard();
    serial.queueBytes(parse::sampleStream(NG7700B));
    test::walkToStart(*wizard, 0, NG7700B);

    ASSERT_EQ(std::pair(state.LastStatus, wizard->view().page), std::pair(std::int16_t(0), 7));
    EXPECT_EQ((QStringList{wizard->messageLine(0)->text(), wizard->connectionPanel()->text()}),
              (QStringList{"Gauge data import complete!", "Download Complete "}));
    EXPECT_EQ(std::pair(wizard->timePanel()->isVisible(), window->mainTab()->isTabEnabled(1)), std::pair(false, false));
    EXPECT_EQ(treeTexts().mid(1, 2), (QStringList{"12.4", "Asphalt"}));

    test::press(*wizard, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::pair(wizard.isNull(), window->mainTab()->isTabEnabled(1)), std::pair(true, true));
    click({"12.4", "Soil"});
    EXPECT_GT(window->dataPage()->dataGrid()->model()->rowCount(), 0);
}

TEST_F(ImportWizardTest, APortThatWillNotOpenSaysSoAndLetsTheUserGoBack)
{
    openWizard();
    serial.setOpenError(1, SerialControl::PortAlreadyOpen);
    test::walkToStart(*wizard, 0, LD4800, 0);

    EXPECT_EQ(wizard->connectionPanel()->text(), "Communication Error ");
    test::press(*wizard, 1);
    EXPECT_EQ(std::pair(wizard->view().page, wizard->portButton(0)->isEnabled()), std::pair(5, true));
}

TEST_F(ImportWizardTest, ClosingDuringADownloadIsRefusedUntilTheReadHasEnded)
{
    test::addTables(home.paths(), {{"UC1", db::LoggerTestTable, {}, {}}});
    test::writeRegistry(home.paths(), LD4800, "UC1 ");
    openWizard();
    bool stayedOpen = false;
    serial.queueSilence(5);
    serial.queueAction([&] {
        wizard->close();
        stayedOpen = wizard->isVisible();
        EXPECT_TRUE(window->serialLink()->Abort_Download);
    });
    serial.queueSilence(5);
    test::walkToStart(*wizard, 0, NG7700B);

    EXPECT_EQ(std::pair(stayedOpen, state.LastStatus), std::pair(true, std::int16_t(99)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::tuple(wizard.isNull(), window->mainTab()->isTabEnabled(0), window->mainTab()->isTabEnabled(1), home.exists("info/MIRVAT.vkd")),
              std::tuple(true, true, true, true));
    EXPECT_EQ(treeTexts(), (QStringList{"Tests", "UC1"}));
}

TEST_F(ImportWizardTest, ClosingTheMainWindowDuringADownloadWaitsForTheWizard)
{
    openWizard();
    serial.queueSilence(5);
    serial.queueAction([&] { window->close(); });
    serial.queueSilence(5);
    test::walkToStart(*wizard, 0, NG7700A);

    EXPECT_EQ(std::pair(state.LastStatus, bool(window->serialLink())), std::pair(std::int16_t(99), true));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(window->isVisible(), bool(window->serialLink())), std::pair(false, false));
}
