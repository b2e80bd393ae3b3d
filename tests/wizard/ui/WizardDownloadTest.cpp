// Whole downloads through the import wizard: the gauge sends its report over a pseudo-terminal,
// the main window's serial link reads it through the real serial control, and the wizard is
// driven as a user would, from the import command to "Finished".
#include "wizard/ui/ImportWizard.h"

#include "app/ui/DataPage.h"
#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/QtSerialControl.h"
#include "parse/SampleStreams.h"
#include "support/PtyGauge.h"
#include "support/ui/MainWindowFixture.h"
#include "support/ui/WizardSteps.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace valtrane;
using wizard::ImportWizard;

namespace {

#ifdef Q_OS_UNIX

class WizardDownloadTest : public test::MainWindowFixture {
protected:
    // The window goes before the serial control its link reads through.
    ~WizardDownloadTest() override { window.reset(); }

    // The main window with COM1 on the gauge's line and no other port. atEachStep runs at every
    // step of the read loop, after the window has handled its events.
    void startWith(test::PtyGauge &gauge, std::function<void()> atEachStep = {})
    {
        ports.setDevice(1, gauge.device());
        for (int port = 2; port <= 4; ++port)
            ports.setDevice(port, home.path() + QStringLiteral("/no-port-%1").arg(port));
        const auto makeLink = [this, &gauge, atEachStep] {
            auto communication = std::make_unique<link::Communication>(home.paths(), state);
            communication->setComm_Object(&control);
            // Nothing answers on COM1: the scans' two-second waits for an answer pass at once.
            communication->setClock([this] {
                if (scanning)
                    skippedMs += 1000;
                return clock.elapsed() + skippedMs;
            });
            communication->setYield(gauge.startOnFirstYield(false, [atEachStep] {
                QApplication::processEvents();
                if (atEachStep)
                    atEachStep();
            }));
            return communication;
        };
        clock.start();
        window = std::make_unique<app::MainWindow>(home.paths(), state, app::MainWindowServices{prompter, files, desktop, makeLink});
        window->startUp();
        show();
        window->findChild<QAction *>("ImportWizard")->trigger();
        wizard = window->importWizard();
        ASSERT_TRUE(wizard);
        scanning = false;
    }

    void download(int model, int type = 0) { test::walkToStart(*wizard, 0, model, type); }

    // The first node whose data grid shows rows, looking through table nodes and their surfaces.
    int firstRowsShown()
    {
        QTreeWidgetItem *root = window->dataPage()->tree()->topLevelItem(0);
        for (int t = 0; root && t < root->childCount(); ++t) {
            QTreeWidgetItem *table = root->child(t);
            QList<QTreeWidgetItem *> nodes{table};
            for (int s = 0; s < table->childCount(); ++s)
                nodes.append(table->child(s));
            for (QTreeWidgetItem *node : nodes) {
                click(node);
                const int rows = window->dataPage()->dataGrid()->model()->rowCount();
                if (rows > 0)
                    return rows;
            }
        }
        return 0;
    }

    void expectFinishedWithTree(const QString &rootKind, int tables)
    {
        ASSERT_EQ(wizard->view().page, 7);
        EXPECT_EQ(wizard->messageLine(0)->text(), "Gauge data import complete!");
        EXPECT_EQ(wizard->connectionPanel()->text(), "Download Complete ");
        EXPECT_FALSE(wizard->timePanel()->isVisible());
        EXPECT_EQ(state.Table_List.count(' '), tables);
        QTreeWidgetItem *root = window->dataPage()->tree()->topLevelItem(0);
        ASSERT_TRUE(root);
        EXPECT_EQ(root->text(0),
                  rootKind + " (Dwnld:" + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) + ")");
        EXPECT_EQ(root->childCount(), tables);
        EXPECT_TRUE(window->mainTab()->isTabEnabled(0));
        EXPECT_FALSE(window->mainTab()->isTabEnabled(1));

        test::press(*wizard, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(wizard.isNull());
        EXPECT_TRUE(window->mainTab()->isTabEnabled(1));
        EXPECT_GT(firstRowsShown(), 0);
    }

    link::ComPortMap ports{home.paths()};
    link::QtSerialControl control{ports};
    QElapsedTimer clock;
    qint64 skippedMs = 0;
    bool scanning = true;
    QPointer<ImportWizard> wizard;
};

TEST_F(WizardDownloadTest, ANuclearGaugesProjectsArriveThroughTheWizard)
{
    test::PtyGauge gauge(parse::sampleStream(NG7700B));
    ASSERT_TRUE(gauge.isOpen());
    startWith(gauge);
    download(NG7700B);
    ASSERT_EQ(state.LastStatus, 0);
    expectFinishedWithTree("Projects", int(state.Table_List.count(' ')));
    EXPECT_GT(state.Table_List.count(' '), 0);
    EXPECT_EQ(state.DeviceCode, NG7700B);
}

TEST_F(WizardDownloadTest, AContinuousLoggerDownloadOfTwoTestsEndsWithDone)
{
    const QByteArray report = parse::sampleStream(LD4800);
    const qsizetype secondEnd = report.indexOf("END", report.indexOf("END") + 3);
    ASSERT_GT(secondEnd, 0);
    test::PtyGauge gauge(report.left(secondEnd + 7));  // END and the four characters after it
    ASSERT_TRUE(gauge.isOpen());
    int testsEnded = 0;
    int ticksAfterSecondTest = 0;
    bool between = true;
    QStringList waitingTexts;
    int steps = 0;
    startWith(gauge, [&] {
        link::Communication *link = window->serialLink();
        // Should "Done" never come, the download is aborted rather than left waiting.
        if (++steps > link::Communication::IdleReadLimit)
            link->Abort_Download = true;
        if (link->Between_Tests && !between)
            ++testsEnded;
        between = link->Between_Tests;
        // Once the continuous-state timer has seen the wait after the second test, "Done".
        QPushButton *done = wizard->button(1);
        if (ticksAfterSecondTest > 0 && waitingTexts.isEmpty()) {
            waitingTexts << wizard->timePanel()->text() << wizard->messageLine(1)->text() << done->text();
            EXPECT_TRUE(done->isEnabled());
            QTest::mouseClick(done, Qt::LeftButton);
        }
    });
    QObject::connect(wizard->findChild<QTimer *>("ContinuousStateTimer"), &QTimer::timeout, [&] {
        if (testsEnded == 2)
            ++ticksAfterSecondTest;
    });
    download(LD4800, 1);

    ASSERT_EQ(state.LastStatus, 0);
    EXPECT_EQ(waitingTexts, (QStringList{"Waiting to Recieve...", "Waiting to recieve data from Gauge", "Done"}));
    expectFinishedWithTree("Tests", 2);
    EXPECT_EQ(state.DeviceCode, LD4800);
    EXPECT_TRUE(window->mainTab()->isTabEnabled(2));
}

#endif

} // namespace
