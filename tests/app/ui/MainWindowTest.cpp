#include "app/ui/AboutBox.h"
#include "app/ui/ChannelGraphView.h"
#include "app/ui/ComSummary.h"
#include "app/ui/DataPage.h"
#include "app/ui/Splash.h"
#include "common/ProgramInfo.h"
#include "common/TextFunctions.h"
#include "common/Twips.h"
#include "db/CreateDatabase.h"
#include "db/TableKinds.h"
#include "parse/SampleStreams.h"
#include "stiffness/ui/StiffnessConsDialog.h"
#include "support/BrowsingTables.h"
#include "support/ui/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

using namespace valtrane;
using Answer = Prompter::Answer;
using stiffness::StiffnessConsDialog;

namespace {

struct WatchingChooser : test::ScriptedFileChooser {
    std::function<void()> onOpen;
    std::optional<QString> openFile(const Request &r) override { onOpen(); return ScriptedFileChooser::openFile(r); }
};

class MainWindowTest : public test::MainWindowFixture {
protected:
    QTableView *dataGrid() const { return window->dataPage()->dataGrid(); }
    QTableView *infoGrid() const { return window->dataPage()->infoGrid(); }
    QString report() const { return window->findChild<QLabel *>("What_report")->text(); }

    void open(int model, const QString &name)
    {
        home.writeFile("projects/" + name + ".txt", " " + QByteArray::number(model) + " \r\n" + parse::sampleStream(model));
        files.choices = {home.path() + "/projects/" + name + ".txt"};
        QTest::mouseClick(window->dataPage()->openButton(), Qt::LeftButton);
    }

    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    void trigger(const char *name)
    {
        ASSERT_TRUE(action(name)) << name;
        action(name)->trigger();
    }
    QTimer *textChanged() const { return window->findChild<QTimer *>("TextChanged"); }
    void tick() { QMetaObject::invokeMethod(textChanged(), "timeout"); }
    app::AboutBox *openAbout() { start(); show(); trigger("About"); return window->findChild<app::AboutBox *>(); }
    QLineSeries *curve(int i) const { return static_cast<QLineSeries *>(window->graphView()->chart()->series()[i]); }

    // Starts with the company name changed and closes the window twice, answering the question to save it.
    void closeWithChangedInformation(Answer answer, bool betweenTests)
    {
        home.writeFile("info/Info.vkt", "\"Old Co\r\"\r\n");
        start();
        ASSERT_EQ(window->serialLink()->RunTest(), 0);
        ASSERT_TRUE(window->serialLink()->Between_Tests);
        window->serialLink()->Between_Tests = betweenTests;
        state.InformationChanged = true;
        state.CInfo[0] = "New Co";
        prompter = test::ScriptedPrompter({answer});
        window->close();
        window->close();
    }

    // The window over NG7700B project 12.5: maximum density 120; readings 1 and 3 on soil, 2 on asphalt.
    void showProjectTwelveFive()
    {
        const QStringList fields{"RDNUM", "ID", "SERNUM", "DATE", "MAXD", "LOWD", "SA", "DD", "WD", "PERC_COMP", "STAT1"};
        const auto reading = [](int rdnum, const char *sa, const char *dd, const char *wd) {
            return QStringList{QString::number(rdnum), "~", "~", "~", "~", "~", sa, dd, wd, "0", QString("10+%1").arg(rdnum)};
        };
        test::addTables(home.paths(), {{"P12.5", db::Ng7700bProjectTable, fields,
                                        {{"0", "12.5", "3321", "05/06/2024", "120", "90", "~", "~", "~", "~", "~"}, reading(1, "S", "110", "125"),
                                         reading(2, "A", "140", "150"), reading(3, "S", "102", "118")}}});
        test::writeRegistry(home.paths(), NG7700B, "12.5 ");
        start();
        show();
    }
    QModelIndex maximumDensity() const
    {
        const QAbstractItemModel *model = infoGrid()->model();
        int column = 0;
        while (column < model->columnCount() && model->headerData(column, Qt::Horizontal).toString() != "MAXD")
            ++column;
        return model->index(0, column);
    }

    // The window started over SG2150 runs 3 and 21 in the registry and a saved root caption.
    void startOverRunsThreeAndTwentyOne()
    {
        const QStringList fields{"RUN_NUMBER", "BIN_NUMBER", "MEASURE", "FREQUENCY"};
        test::addTables(home.paths(), {{"RUN3", db::StiffnessRunTable, fields, {{"3", "0", "2.5", "~"}, {"~", "1", "~", "100"}}},
                                       {"RUN21", db::StiffnessRunTable, fields, {{"21", "0", "~", "~"}, {"22", "1", "~", "~"}, {"23", "2", "~", "~"}}}});
        test::writeRegistry(home.paths(), SG2150, "RUN3 RUN21 ");
        home.writeFile("info/Info.vkt", "\"Acme\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rRun Number (field.txt)\r\"\r\n");
        start();
    }

    // The window over the LD4800 logger tests CBR_LBR1 of three readings and UC1 of one.
    void showLoggerTests()
    {
        test::addTables(home.paths(), {test::loggerTest("CBR_LBR1", {{0, 0, 0, 0}, {1.5, 0.1, 0.2, 0}, {3.0, 0.2, 0.35, 0}}, {"LOAD", "PEN", "DIAL", "AUX"}),
                                       test::loggerTest("UC1", {{5, 6, 7, 8}}, {"KN", "MM", "IN", "X"})});
        test::writeRegistry(home.paths(), LD4800, "CBR_LBR1 UC1 ");
        start();
        show();
    }
};

const QStringList PortCaptions{"COM1: AVAILABLE", "COM2: IN USE", "COM3: UNAVAILABLE", "COM4: MODEM"};

} // namespace

TEST_F(MainWindowTest, FirstStartShowsOnlyTheTreeRootWithoutAnyMessage)
{
    start();
    EXPECT_EQ(std::pair(prompter.texts(), treeTexts()), std::pair(QStringList(), QStringList{"Tests"}));
    QTabWidget *tabs = window->mainTab();
    EXPECT_EQ(QStringList({window->statusText(), window->windowTitle(), tabs->tabText(0), tabs->tabText(1), report(), state.LastFolder}),
              QStringList({"Status: Ok", "Valtrane IR Download", "View Data", "View Report", "No Project Selected", home.path()}));
    EXPECT_EQ(std::pair(tabs->isTabEnabled(1), tabs->isTabEnabled(2)), std::pair(false, true));
}

TEST_F(MainWindowTest, TheWindowNeverGetsSmallerThanItsMinimumSize)
{
    start();
    const QSize minimum(twips::toPixels(7635, window->logicalDpiX()), twips::toPixels(7335, window->logicalDpiY()));
    window->resize(minimum.width() / 2, 10);
    EXPECT_EQ(window->size(), minimum);
    window->resize(minimum + QSize(40, 40));
    EXPECT_EQ(window->size(), minimum + QSize(40, 40));
}

TEST_F(MainWindowTest, ATakenPageStaysShownUntilAPageIsGivenBack)
{
    QTabWidget *tabs = start().mainTab();
    tabs->setTabEnabled(1, true);
    QSignalSpy changes(tabs, &QTabWidget::currentChanged);
    for (int page : {0, 1, 2})
        window->setPageAvailable(page, false);
    EXPECT_EQ(std::pair(tabs->currentIndex(), int(changes.count())), std::pair(0, 0));
    window->setPageAvailable(1, true);
    EXPECT_EQ(tabs->currentIndex(), 1);
    window->setPageAvailable(0, true);
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(MainWindowTest, BecomingActiveSaysStatusOK)
{
    start();
    show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->statusText(), "Status: OK");
}

TEST_F(MainWindowTest, ADatabaseWithoutRegistryIsResetWithOneMessage)
{
    db::CreateDatabase(home.paths()).Create();
    start();
    EXPECT_EQ(prompter.texts(), QStringList{"Database with no tables, reseting."});
}

TEST_F(MainWindowTest, HelpContentsOpensTheHelpFileOnlyWhenItWasThereAtStartUp)
{
    start();
    trigger("Contents");
    EXPECT_EQ(std::pair(prompter.texts(), desktop.urls.size()), std::pair(QStringList{"No Help File Found"}, size_t(0)));

    home.writeFile("help/TELVAR.hlp", "help");
    start();
    trigger("Contents");
    EXPECT_EQ(std::pair(desktop.urls, prompter.shown.size()), std::pair(std::vector<QUrl>{QUrl::fromLocalFile(home.paths().helpFile())}, size_t(1)));
}

TEST_F(MainWindowTest, AboutBoxNamesTheProgramAndVersionWithoutBlocking)
{
    app::AboutBox *about = openAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(std::pair(about->isVisible(), about->isModal()), std::pair(true, false));
    const QString version = QStringLiteral("Version %1.%2.%3").arg(VALTRANE_VERSION_MAJOR).arg(VALTRANE_VERSION_MINOR).arg(VALTRANE_VERSION_PATCH);
    EXPECT_EQ(QStringList({about->windowTitle(), about->findChild<QLabel *>("lblVersion")->text()}), QStringList({"About Valtrane IR Download", version}));
    QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(MainWindowTest, StartUpShowsEachPortsStateInThePortsMenu)
{
    serial.setOpenError(2, link::SerialControl::PortAlreadyOpen);
    start();
    show();
    EXPECT_EQ(action("COM_STAT1")->text(), "COM2: IN USE");
}

TEST_F(MainWindowTest, PortsAreScannedAgainEveryMinute)
{
    start();
    show();
    auto *timer = window->findChild<QTimer *>("Check_Timer");
    ASSERT_TRUE(timer);
    EXPECT_EQ(std::pair(timer->isActive(), timer->interval()), std::pair(true, 60000));
    serial.setOpenError(1, link::SerialControl::PortAlreadyOpen);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(window->portCaptions().first(), "COM1: IN USE");
}

TEST_F(MainWindowTest, ThePortCheckShowsTheSummaryOfANewScan)
{
    serial.setOpenError(2, link::SerialControl::PortAlreadyOpen);
    start();
    show();
    serial.setOpenError(3, link::SerialControl::PortAlreadyOpen);
    trigger("Check_Ports");
    auto *summary = window->findChild<app::ComSummary *>();
    ASSERT_TRUE(summary && summary->isVisible());
    EXPECT_TRUE(summary->findChild<QLabel *>("Label1")->text().contains("COM2: IN USE\nCOM3: IN USE\n"));
}

TEST(ComSummary, ItsOwnerButNotTheWindowsItOwnsWaitsForOk)
{
    QMainWindow owner;
    auto *content = new QWidget;
    owner.setCentralWidget(content);
    owner.menuBar()->addMenu("&File");
    owner.show();
    auto *wizard = new QDialog(&owner);
    wizard->show();
    QPointer<app::ComSummary> summary = new app::ComSummary(PortCaptions, &owner);
    summary->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(summary.data()));
    EXPECT_EQ(std::vector<bool>({summary->isModal(), content->isEnabled(), owner.menuBar()->isEnabled(), wizard->isEnabled(), summary->isEnabled()}),
              std::vector<bool>({false, false, false, true, true}));

    QTest::mouseClick(summary->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(std::pair(content->isEnabled(), owner.menuBar()->isEnabled()), std::pair(true, true));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(summary.isNull());
}

TEST(Splash, ShowsFor2500MillisecondsOnceThenAsksForTheMainWindow)
{
    test::TempHome home;
    home.writeFile("images/splash1.png", QByteArray());
    app::Splash splash(home.paths());
    QSignalSpy timeUps(&splash, &app::Splash::timeUp);
    splash.start();
    auto *timer = splash.findChild<QTimer *>();
    ASSERT_TRUE(timer);
    EXPECT_EQ(std::pair(splash.isVisible(), splash.pixmap().isNull()), std::pair(true, false));
    EXPECT_EQ(std::tuple(timer->isActive(), timer->isSingleShot(), timer->interval()), std::tuple(true, true, 2500));
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(std::pair(int(timeUps.count()), timer->isActive()), std::pair(1, false));
}

TEST_F(MainWindowTest, ClosingWithChangedInformationAsksOnceWhetherToSaveIt)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const bool yes = answer == Answer::Yes;
        SCOPED_TRACE(yes ? "yes" : "no");
        closeWithChangedInformation(answer, false);
        ASSERT_EQ(prompter.texts(), QStringList{"Information changed.  Do you want to save changes?"});
        EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
        EXPECT_TRUE(yes ? home.readFile("info/Info.vkt").startsWith("\"New Co\r") : home.readFile("info/Info.vkt") == "\"Old Co\r\"\r\n");
        EXPECT_EQ(state.InformationChanged, !yes);
    }
}

TEST_F(MainWindowTest, ClosingClosesTheSerialPortUnlessItIsBetweenTests)
{
    for (const bool betweenTests : {false, true}) {
        SCOPED_TRACE(betweenTests ? "between tests" : "in a test");
        closeWithChangedInformation(Answer::No, betweenTests);
        EXPECT_EQ(std::pair(serial.PortOpen(), window->serialLink() != nullptr), std::pair(betweenTests, false));
    }
}

TEST_F(MainWindowTest, TheConstantsDialogHoldsTheImportCommandWhileOpen)
{
    start();
    show();
    action("SCons")->trigger();
    StiffnessConsDialog *dialog = window->constantsDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(std::pair(dialog->isVisible(), dialog->isModal()), std::pair(true, false));
    const auto enabled = [&] { return std::vector<bool>{action("ImportWizard")->isEnabled(), action("COM_DES")->isEnabled(), action("SCons")->isEnabled()}; };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true}));
    QTest::mouseClick(dialog->button(StiffnessConsDialog::Cancel), Qt::LeftButton);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
}

TEST_F(MainWindowTest, TheConstantsDialogsTimerPassesNewConstantsOnOnce)
{
    start();
    show();
    QSignalSpy rebuilt(window.get(), &app::MainWindow::stiffnessConstantsChanged);
    action("SCons")->trigger();
    StiffnessConsDialog *dialog = window->constantsDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(std::pair(textChanged()->isActive(), textChanged()->interval()), std::pair(true, 1000));

    tick();
    EXPECT_EQ(std::pair(int(rebuilt.count()), textChanged()->isActive()), std::pair(0, true));
    QTest::keyClicks(dialog->box(Poisra), "0.35");
    QTest::mouseClick(dialog->button(StiffnessConsDialog::Apply), Qt::LeftButton);
    ASSERT_TRUE(state.ConstantsChanged);
    tick();
    EXPECT_EQ(std::tuple(int(rebuilt.count()), state.ConstantsChanged, textChanged()->isActive()), std::tuple(1, false, false));
}

TEST_F(MainWindowTest, MissingStiffnessConstantsAreSetUpInTheModalDialogWhenTheUserSaysYes)
{
    prompter = test::ScriptedPrompter({Answer::Yes});
    start();
    show();
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<StiffnessConsDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        modal = true;
        dialog->box(MeasMs)->setText("0.1234");
        QTest::mouseClick(dialog->button(StiffnessConsDialog::Ok), Qt::LeftButton);
    });
    window->stiffnessConstantsFile().load();
    EXPECT_EQ(std::pair(modal, prompter.shown.size()), std::pair(true, size_t(1)));
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[MeasMs].toDouble(), 0.1234);
    EXPECT_EQ(std::pair(home.exists("info/StiffnessCons.vkt"), textChanged()->isActive()), std::pair(true, true));
}

TEST_F(MainWindowTest, EachClickOnASurfaceShowsItsProjectHeaderAboveItsReadings)
{
    showProjectTwelveFive();
    QSignalSpy chosen(window->dataPage(), &app::DataPage::nodeChosen);
    click({"12.5", "Soil"});
    EXPECT_EQ(QStringList({state.CurrentTable, state.CurrentSurface, report()}), QStringList({"125", "SOIL", "Project 125, SOIL"}));
    EXPECT_EQ(QStringList({cell(infoGrid(), 0, "ID"), cell(infoGrid(), 0, "SERNUM"), cell(dataGrid(), 1, "STAT1")}),
              QStringList({"12.5", "3321", "10+3"}));
    EXPECT_EQ(std::tuple(int(chosen.count()), dataGrid()->model()->rowCount(), window->mainTab()->isTabEnabled(1)), std::tuple(1, 2, true));
    click({"12.5", "Soil"});
    EXPECT_EQ(chosen.count(), 2);
}

TEST_F(MainWindowTest, AMaximumDensityThatCannotBeStoredIsReported)
{
    showProjectTwelveFive();
    click({"12.5", "Soil"});
    const QModelIndex maxd = maximumDensity();
    ASSERT_TRUE(maxd.isValid());
    EXPECT_FALSE(infoGrid()->model()->setData(maxd, "dense"));
    ASSERT_EQ(prompter.texts(), QStringList{"Error Updating Database."});
    EXPECT_EQ(std::pair(prompter.shown[0].icon, cell(infoGrid(), 0, "MAXD")), std::pair(Prompter::Icon::Critical, QString("120")));
}

TEST_F(MainWindowTest, ATypedMaximumDensityRecomputesCompaction)
{
    showProjectTwelveFive();
    click({"12.5", "Soil"});
    const QModelIndex maxd = maximumDensity();
    ASSERT_TRUE(maxd.isValid());
    QTableView *grid = infoGrid();
    grid->setCurrentIndex(maxd);
    grid->edit(maxd);
    auto *editor = grid->findChild<QLineEdit *>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "100");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();   // the grid commits the edit once the key press has been handled
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(QStringList({cell(dataGrid(), 0, "PERC_COMP"), cell(dataGrid(), 1, "PERC_COMP")}), QStringList({"110", "102"}));
}

TEST_F(MainWindowTest, ReturningToTheDataPageRebuildsTheTreeUnderTheSavedRootCaption)
{
    startOverRunsThreeAndTwentyOne();
    window->mainTab()->setCurrentIndex(2);
    state.Table_List = "RUN3 RUN21 RUN5 ";
    window->mainTab()->setCurrentIndex(0);
    EXPECT_EQ(treeTexts(), (QStringList{"Run Number (field.txt)", "RUN3", "RUN21+", "RUN5"}));
}

TEST_F(MainWindowTest, TheSummaryRunShowsAllItsRowsInOneTallGrid)
{
    startOverRunsThreeAndTwentyOne();
    show();
    click({"RUN3"});
    QCoreApplication::processEvents();
    EXPECT_TRUE(dataGrid()->isVisible());
    const int normalHeight = infoGrid()->height();
    click({"RUN21+"});
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(dataGrid()->isVisible(), infoGrid()->model()->rowCount()), std::pair(false, 3));
    EXPECT_GT(infoGrid()->height(), 2 * normalHeight);
    EXPECT_EQ(report(), "Stiffness Run Number 21+");
    click({"RUN3"});
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(dataGrid()->isVisible(), infoGrid()->height()), std::pair(true, normalHeight));
}

TEST_F(MainWindowTest, ALoggerTestDrawsBothChannelCurves)
{
    showLoggerTests();
    click({"CBR_LBR1"});
    QChart *chart = window->graphView()->chart();
    ASSERT_EQ(chart->series().size(), 2);
    EXPECT_EQ(QStringList({chart->title(), curve(0)->name(), curve(1)->name()}), QStringList({"LD4800 Results", "CH1 Vs. CH2", "CH1 Vs. CH3"}));
    EXPECT_EQ(std::pair(curve(0)->at(1), curve(1)->at(2)), std::pair(QPointF(double(0.1f), 1.5), QPointF(double(0.35f), 3.0)));
    EXPECT_EQ(std::pair(window->mainTab()->isTabEnabled(2), chart->legend()->alignment()), std::pair(true, Qt::Alignment(Qt::AlignBottom)));
}

TEST_F(MainWindowTest, ALoggerTestWritesTheGraphPicture)
{
    showLoggerTests();
    click({"CBR_LBR1"});
    const QImage picture(home.paths().graphImage(), "BMP");
    EXPECT_EQ(picture.size(), app::ChannelGraphData::pictureSizePixels());
    // The chart fills the picture: what is drawn spans most of its width, the title included.
    int left = picture.width(), right = -1, titlePixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            titlePixels += picture.pixelColor(x, y) == QColor(50, 0, 255);
            if (picture.pixelColor(x, y) != Qt::white)
                std::tie(left, right) = std::pair(std::min(left, x), std::max(right, x));
        }
    }
    EXPECT_GT(titlePixels, 0);
    EXPECT_GT(right - left, picture.width() * 4 / 5);
}

TEST_F(MainWindowTest, ATestOfOneReadingChosenTwiceDrawsOnePointPerCurveAtTheSameSize)
{
    showLoggerTests();
    click({"CBR_LBR1"});
    const QSize before = window->graphView()->size();
    click({"UC1"});
    click({"UC1"});
    ASSERT_EQ(window->graphView()->chart()->series().size(), 2);
    EXPECT_EQ(std::pair(curve(0)->count(), curve(1)->count()), std::pair(1, 1));
    EXPECT_EQ(window->graphView()->size(), before);
}

TEST_F(MainWindowTest, OnlyTheGraphsThreeAxesTitledByTheLastReadingAreLeftOnTheChart)
{
    showLoggerTests();
    for (const char *name : {"CBR_LBR1", "UC1", "UC1"})
        click({name});
    window->mainTab()->setCurrentIndex(app::MainWindow::GraphPageIndex);
    QCoreApplication::processEvents();
    // Per axis: alignment (1 left, 2 right, 64 bottom), title, whether it reaches the reading (CH2 6, CH1 5).
    QStringList axes;
    int tickLabels = 0;
    for (QAbstractAxis *a : window->graphView()->chart()->axes()) {
        const auto *axis = qobject_cast<const QValueAxis *>(a);
        ASSERT_NE(axis, nullptr);
        const double value = a->alignment() == Qt::AlignBottom ? 6 : 5;
        axes.append(QStringLiteral("%1 %2 %3").arg(int(a->alignment())).arg(a->titleText()).arg(int(axis->min() <= value && value <= axis->max())));
        tickLabels += axis->tickCount();
    }
    axes.sort();
    EXPECT_EQ(axes, QStringList({"1 KN 1", "2 IN 1", "64 MM 1"}));
    // What is drawn: the tick labels of those three axes and no others.
    QStringList numbersDrawn;
    for (const QGraphicsItem *item : window->graphView()->scene()->items()) {
        const auto *text = dynamic_cast<const QGraphicsTextItem *>(item);
        if (bool number = false; text && text->isVisible() && (text->toPlainText().toDouble(&number), number))
            numbersDrawn.append(text->toPlainText());
    }
    EXPECT_EQ(numbersDrawn.size(), tickLabels) << numbersDrawn.join(' ').toStdString();
}

TEST_F(MainWindowTest, ASavedProjectOpensIntoTheTreeUnderItsFileName)
{
    start();
    show();
    open(NG7700B, "site");
    EXPECT_EQ(std::tuple(prompter.shown.size(), state.DeviceCode, treeTexts().first()), std::tuple(size_t(0), int(NG7700B), QString("Projects (site.txt)")));
}

TEST_F(MainWindowTest, AnOpenedProjectsSurfaceShowsOnlyTheColumnsOfEachGrid)
{
    start();
    show();
    open(NG7700B, "site");
    click({tableListNames(state.Table_List).first(), "Soil"});
    const auto shown = [](const QTableView *grid) {
        QStringList captions;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                captions.append(grid->model()->headerData(c, Qt::Horizontal).toString());
        return captions;
    };
    EXPECT_EQ(shown(infoGrid()), (QStringList{"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "TIME"}));
    EXPECT_EQ(shown(dataGrid()).mid(0, 4), (QStringList{"RDNUM", "STAT1TO", "STAT1", "OFFSET"}));
}

TEST_F(MainWindowTest, OpeningAnotherProjectEmptiesTheGridsButKeepsTheTableOnScreen)
{
    start();
    show();
    open(NG7700B, "site");
    click({tableListNames(state.Table_List).first(), "Soil"});
    const QString onScreen = state.CurrentTable;
    open(SG2150, "again");
    EXPECT_EQ(std::pair(dataGrid()->model()->columnCount(), infoGrid()->model()->columnCount()), std::pair(0, 0));
    EXPECT_EQ(QStringList({state.CurrentTable, state.TreeRootCaption}), QStringList({onScreen, "Run Number (again.txt)"}));
}

TEST_F(MainWindowTest, SaveAllWritesTheOpenedProjects)
{
    start();
    show();
    open(SG2150, "again");
    files.choices = {home.path() + "/projects/saved.txt"};
    QTest::mouseClick(window->dataPage()->saveAllButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(home.readFile("projects/saved.txt"), test::writtenText(home.paths(), SG2150, state.Table_List));
}

TEST_F(MainWindowTest, WhileTheOpenDialogIsUpThePagesButtonsAndTreeAreUnavailable)
{
    WatchingChooser chooser;
    window = std::make_unique<app::MainWindow>(home.paths(), state, app::MainWindowServices{prompter, chooser, desktop, {}});
    window->startUp();
    // Pages 0 to 2, the tree, Save All, Save Selected and Open: which can be used.
    const auto available = [&, page = window->dataPage(), tabs = window->mainTab()] {
        return std::vector<bool>{tabs->isTabEnabled(0), tabs->isTabEnabled(1), tabs->isTabEnabled(2), page->tree()->isEnabled(),
                                 page->saveAllButton()->isEnabled(), page->saveSelectedButton()->isEnabled(), page->openButton()->isEnabled()};
    };
    std::vector<bool> whileOpen;
    chooser.onOpen = [&] { whileOpen = available(); };
    window->dataPage()->openButton()->click();
    EXPECT_EQ(whileOpen, std::vector<bool>(7, false));
    // Cancelled: everything is back on the page it was, and the graph only for logger tests.
    EXPECT_EQ(std::pair(available(), window->mainTab()->currentIndex()), std::pair(std::vector<bool>(7, true), 0));
    state.DeviceCode = NG7700B;
    window->dataPage()->openButton()->click();
    EXPECT_EQ(std::pair(window->mainTab()->isTabEnabled(2), prompter.shown.size()), std::pair(false, size_t(0)));
}
