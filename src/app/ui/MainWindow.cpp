#include "app/ui/MainWindow.h"

#include "app/ChannelGraphData.h"
#include "app/CompactionRecompute.h"
#include "app/ProjectTree.h"
#include "app/ui/AboutBox.h"
#include "app/ui/ChannelGraphView.h"
#include "app/ui/ComSummary.h"
#include "app/ui/DataPage.h"
#include "app/ui/MainMenus.h"
#include "app/ui/ReportPage.h"
#include "report/ui/ReportTabView.h"
#include "common/ProgramInfo.h"
#include "common/Twips.h"
#include "db/StartupChecks.h"
#include "export/TableReports.h"
#include "export/ui/ExportCommand.h"
#include "export/ui/ExportForm.h"
#include "link/PortScan.h"
#include "report/InfoFile.h"
#include "report/LabInformation.h"
#include "report/ui/InfoForm.h"
#include "stiffness/ui/StiffnessConsDialog.h"
#include "wizard/ui/ImportWizard.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

namespace valtrane::app {

namespace {

constexpr int MinimumWidthTwips = 7635;
constexpr int MinimumHeightTwips = 7335;
constexpr int PortCheckIntervalMs = 60000;
constexpr int TextChangedIntervalMs = 1000;

} // namespace

MainWindow::MainWindow(AppPaths &paths, AppState &state, MainWindowServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_paths(paths)
    , m_state(state)
    , m_services(services)
    , m_grids(paths)
    , m_fileCommands(paths, state, services.prompter, services.files)
    , m_shutdown(paths, state, services.prompter, m_grids)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(program::title());
    m_fileCommands.setBusyPointer([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("StatusText"));
    m_status->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(m_status);

    buildPages();
    buildExport();
    buildMenus();

    m_checkTimer.setObjectName(QStringLiteral("Check_Timer"));
    m_checkTimer.setInterval(PortCheckIntervalMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &MainWindow::scanPorts);
    m_textChanged.setObjectName(QStringLiteral("TextChanged"));
    m_textChanged.setInterval(TextChangedIntervalMs);
    connect(&m_textChanged, &QTimer::timeout, this, &MainWindow::onTextChanged);

    setMinimumSize(twips::toPixels(MinimumWidthTwips, logicalDpiX()), twips::toPixels(MinimumHeightTwips, logicalDpiY()));
    resize(1040, 720);
}

void MainWindow::buildPages()
{
    m_mainTab = new QTabWidget;
    m_mainTab->setObjectName(QStringLiteral("MainTab"));
    m_dataPage = new DataPage;
    m_reportPage = new ReportPage({m_paths, m_state, m_reports, m_grids.database(), m_services.prompter, m_services.files});
    m_graph = new ChannelGraphView;
    m_graph->setObjectName(QStringLiteral("MSGraph"));
    m_mainTab->addTab(m_dataPage, QString());
    m_mainTab->addTab(m_reportPage, QString());
    m_mainTab->addTab(m_graph, QString());
    setCentralWidget(m_mainTab);
    m_pages = std::make_unique<MainPages>(*m_mainTab, [this](bool available) {
        if (m_menus)
            m_menus->setFileCommandsEnabled(available);
    });
    connectPages();
}

void MainWindow::connectPages()
{
    m_dataPage->setModels(&m_grids.dataModel(), &m_grids.infoModel());
    connect(m_reportPage->tabView(), &report::ReportTabView::statusMessage, this, &MainWindow::setStatusText);
    connect(m_dataPage, &DataPage::nodeChosen, this, &MainWindow::onNodeChosen);
    connect(&m_grids.infoModel(), &RecordsetTableModel::cellEdited, this,
            [this](int, const QString &, bool stored) { onInformationEdited(stored); });
    connect(m_mainTab, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(m_dataPage->saveAllButton(), &QPushButton::clicked, this, &MainWindow::Save_DB);
    connect(m_dataPage->saveSelectedButton(), &QPushButton::clicked, this, &MainWindow::save_selected);
    connect(m_dataPage->openButton(), &QPushButton::clicked, this, &MainWindow::Load_DB);
}

void MainWindow::buildMenus()
{
    MainMenuCommands commands;
    commands.openProjects = [this] { Load_DB(); };
    commands.saveAllProjects = [this] { Save_DB(); };
    commands.saveSelectedProject = [this] { save_selected(); };
    commands.exportData = [this] { m_export->Export(); };
    commands.exit = [this] { close(); };
    commands.importData = [this] { openImportWizard(); };
    commands.stiffnessConstants = [this] { openStiffnessConstants(); };
    commands.labInformation = [this] {
        auto *form = new report::InfoForm(m_paths, m_state, &m_reports, m_services.prompter, this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setModal(true);
        // The preview draws the texts the form has just put on the reports.
        connect(form, &report::InfoForm::informationSaved, m_reportPage->tabView(), &report::ReportTabView::refreshPreview);
        form->open();
    };
    commands.checkPorts = [this] { Check_Ports(); };
    commands.helpContents = [this] { Contents(); };
    commands.webLink = [this] { Weblink(); };
    commands.about = [this] { About(); };
    m_menus = new MainMenus(menuBar(), commands, m_dataPage->openButton()->icon(), m_dataPage->saveAllButton()->icon());
}

void MainWindow::buildExport()
{
    m_exportReports = std::make_unique<exporting::EngineReports>(
        [this](exporting::ReportOnScreen which) { return reportToExport(which); },
        [this](const QUrl &url) { return m_services.desktop.openUrl(url); });
    report::ReportTab &tab = m_reportPage->tabView()->tab();
    m_export = new exporting::ExportCommand(m_paths, m_state,
                                            {m_services.prompter, m_services.files, *m_exportReports,
                                             [&tab] {
                                                 return tab.showingStiffy() ? exporting::ReportOnScreen::Stiffness
                                                                            : exporting::ReportOnScreen::Main;
                                             }},
                                            this);
    connect(m_reportPage->tabView(), &report::ReportTabView::exportRequested, m_export, &exporting::ExportCommand::Export);
    m_reportPage->tabView()->setExportAvailable(true);
}

std::optional<report::ReportDocument> MainWindow::reportToExport(exporting::ReportOnScreen which)
{
    report::ReportTab &tab = m_reportPage->tabView()->tab();
    if (tab.hasReport()) {
        // The report as the user composed it on the tab, exported as it would print: turned for the
        // model and without the empty placeholder columns.
        tab.beginPrint();
        std::optional<report::ReportDocument> composed =
            which == exporting::ReportOnScreen::Main ? m_reports.Report : m_reports.StiffyReport;
        tab.endPrint();
        m_reportPage->tabView()->refreshPreview();
        return composed;
    }
    // Nothing composed yet: the report as the tab would first set it up, on a connection of the
    // export's own.
    db::Database connection;
    return exporting::tableReport(m_reports, connection, m_paths, m_state, which);
}

QIcon MainWindow::programIcon() const
{
    return QIcon(m_paths.image(QStringLiteral("iricon.ico")));
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

void MainWindow::setStatusText(const QString &text)
{
    m_status->setText(text);
}

void MainWindow::startUp()
{
    setStatusText(QStringLiteral("Status: Loading Application..."));
    m_pages->setCaptions();
    // The checks and the port scan below take a moment: the loading status is painted first.
    if (isVisible())
        repaint();

    setWindowIcon(programIcon());
    report::InfoFile::read(m_paths, m_state);
    if (m_services.makeLink)
        m_link = m_services.makeLink();
    const QString reset = db::StartupChecks::run(m_paths, m_state);
    if (!reset.isEmpty())
        m_services.prompter.tell(reset, program::title());
    m_helpFile = QFileInfo::exists(m_paths.helpFile()) ? m_paths.helpFile() : QString();

    scanPorts();

    centreOnScreen();
    setWindowIcon(programIcon());
    m_state.ConstantsChanged = false;
    setStatusText(QStringLiteral("Status: Ok"));

    Rebuild_Tree();
    m_reportPage->showSelection(m_state);
    m_checkTimer.start();
}

void MainWindow::centreOnScreen()
{
    const QScreen *s = screen();
    if (!s)
        return;
    const QRect available = s->availableGeometry();
    resize(std::min(width(), available.width()), std::min(height(), available.height()));
    move(available.left() + (available.width() - frameGeometry().width()) / 2,
         available.top() + (available.height() - frameGeometry().height()) / 2);
}

void MainWindow::Rebuild_Tree()
{
    m_dataPage->setCaptions();
    m_dataPage->setNodes(ProjectTree::build(m_paths, m_state));
    m_dataPage->dataGrid()->viewport()->update();
    m_dataPage->infoGrid()->viewport()->update();
}

void MainWindow::onNodeChosen(const ClickedNode &node)
{
    const std::optional<NodePlan> plan = NodeSelection::plan(node, m_state);
    if (!plan)
        return;
    const int readingCount = NodeSelection::open(*plan, m_state, m_grids);
    if (plan->loggerTest) {
        m_mainTab->setTabEnabled(GraphPageIndex, true);
        drawGraph(readingCount);
    }
    m_dataPage->applyColumns(m_state.DeviceCode);
    m_dataPage->showSingleGrid(plan->singleGrid);
    m_mainTab->setTabEnabled(ReportPageIndex, !m_state.CurrentTable.isEmpty());
    m_reportPage->showSelection(m_state);
}

void MainWindow::drawGraph(int readingCount)
{
    const std::optional<ChannelGraphData> data = ChannelGraphData::read(m_paths, m_state, m_grids.dataSet(), readingCount);
    m_grids.dataModel().resync();
    if (!data)
        return;
    m_graph->draw(*data);
    QDir().mkpath(m_paths.imagesFolder());
    m_graph->savePicture(m_paths.graphImage());
}

void MainWindow::onInformationEdited(bool stored)
{
    const bool ok = stored && CompactionRecompute::run(m_grids.database(), m_state);
    m_grids.dataModel().requery();
    m_dataPage->applyDataColumns();
    if (!ok)
        m_services.prompter.tell(CompactionRecompute::failureMessage(), program::title(), Prompter::Icon::Critical);
}

void MainWindow::onPageChanged(int index)
{
    if (index == DataPageIndex)
        Rebuild_Tree();
    else if (index == ReportPageIndex) {
        // The report tab is where the report is edited: the constants and export dialogs give way to it.
        if (stiffness::StiffnessConsDialog *constants = constantsDialog())
            constants->close();
        if (exporting::ExportForm *form = m_export->form())
            form->close();
        m_reportPage->enter(m_state);
    }
}

QString MainWindow::scanPorts()
{
    if (!m_link)
        return QString();
    const QString scan = m_link->AvailablePorts();
    m_menus->setPortCaptions(link::PortScan::captions(scan));
    return scan;
}

QStringList MainWindow::portCaptions() const
{
    return m_menus->portCaptions();
}

void MainWindow::Check_Ports()
{
    scanPorts();
    (new ComSummary(portCaptions(), this))->show();
}

void MainWindow::Save_DB()
{
    m_fileCommands.save(false);
}

void MainWindow::save_selected()
{
    m_fileCommands.save(true);
}

void MainWindow::setPagesAndCommandsAvailable(bool available)
{
    m_pages->setAllAvailable(available);
    m_dataPage->setCommandsEnabled(available);
}

void MainWindow::setPageAvailable(int page, bool available)
{
    m_pages->setPageAvailable(page, available);
}

wizard::ImportWizard *MainWindow::importWizard() const
{
    return m_wizard;
}

stiffness::StiffnessConsDialog *MainWindow::constantsDialog() const
{
    return m_constants;
}

void MainWindow::openImportWizard()
{
    if (m_wizard) {
        m_wizard->show();
        m_wizard->raise();
        m_wizard->activateWindow();
        return;
    }
    if (!m_link || !m_link->Comm_Object())
        return;
    m_link->Abort_Download = false;
    m_wizard = new wizard::ImportWizard(m_paths, m_state, *m_link, m_services.prompter, [this] { return scanPorts(); }, this);
    m_wizard->setAttribute(Qt::WA_DeleteOnClose);
    wizard::DownloadRun &run = m_wizard->downloadRun();
    run.setCloseMainConnection([this] { m_grids.close(); });
    connect(&run, &wizard::DownloadRun::treeRebuildRequested, this, &MainWindow::Rebuild_Tree);
    connect(&run, &wizard::DownloadRun::mainTabEnabled, this, &MainWindow::setPageAvailable);
    connect(m_wizard, &QDialog::finished, this, &MainWindow::onWizardClosed);
    m_wizard->show();
    setStatusText(QStringLiteral("Status: Waiting for data from Wizard."));
}

void MainWindow::onWizardClosed()
{
    // The closed wizard is deleted later; the next import command makes a new one.
    m_wizard.clear();
    setPageAvailable(ReportPageIndex, true);
    setPageAvailable(DataPageIndex, true);
    if (m_closeAfterDownload)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::openStiffnessConstants()
{
    showConstantsDialog(Qt::NonModal);
}

stiffness::StiffnessConsDialog *MainWindow::showConstantsDialog(Qt::WindowModality modality)
{
    if (!m_constants) {
        m_constants = new stiffness::StiffnessConsDialog(m_paths, m_state, m_services.prompter, this);
        m_constants->setAttribute(Qt::WA_DeleteOnClose);
        m_constants->setWindowModality(modality);
        m_menus->setLockedByConstants(true);
        connect(m_constants, &QDialog::finished, this, [this] {
            m_menus->setLockedByConstants(false);
            m_constants.clear();
        });
    }
    m_constants->show();
    m_constants->raise();
    m_constants->activateWindow();
    m_textChanged.start();
    return m_constants;
}

void MainWindow::setupStiffnessConstants()
{
    const QPointer<stiffness::StiffnessConsDialog> dialog = showConstantsDialog(Qt::ApplicationModal);
    QEventLoop untilClosed;
    connect(dialog, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    if (dialog && dialog->isVisible())
        untilClosed.exec();
}

stiffness::StiffnessConstantsFile MainWindow::stiffnessConstantsFile()
{
    return stiffness::StiffnessConstantsFile(m_paths, m_state, m_services.prompter, [this] { setupStiffnessConstants(); });
}

void MainWindow::onTextChanged()
{
    if (!m_state.ConstantsChanged)
        return;
    emit stiffnessConstantsChanged();
    m_state.ConstantsChanged = false;
    m_textChanged.stop();
}

void MainWindow::Load_DB()
{
    setPagesAndCommandsAvailable(false);
    if (const std::optional<QString> file = m_fileCommands.chooseOpenFile()) {
        m_grids.close();
        if (m_link)
            m_link->Between_Tests = false;
        const bool opened = m_fileCommands.openFile(*file);
        if (m_link && opened)
            m_link->Between_Tests = true;
        if (opened) {
            onPageChanged(m_mainTab->currentIndex());
            m_grids.clearGrids();
        }
    }
    setPagesAndCommandsAvailable(true);
    m_mainTab->setTabEnabled(GraphPageIndex, m_state.DeviceCode == LD4800);
}

void MainWindow::Contents()
{
    if (m_helpFile.isEmpty() || !QFileInfo::exists(m_helpFile)) {
        m_services.prompter.tell(QStringLiteral("No Help File Found"), program::title());
        return;
    }
    // The help file opens in whatever program the desktop has for it.
    m_services.desktop.openUrl(QUrl::fromLocalFile(m_helpFile));
}

void MainWindow::About()
{
    if (!m_about) {
        m_about = new AboutBox(m_paths, m_services.prompter, m_services.desktop, this);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_about->show();
    m_about->raise();
}

void MainWindow::Weblink()
{
    m_services.desktop.openUrl(QUrl(program::webAddress()));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_shutdown.done())
        setStatusText(QStringLiteral("Status: OK"));
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_wizard && m_wizard->downloading()) {
        // The link is in the middle of a read: the download is aborted first, and the window
        // closes once the wizard has.
        m_closeAfterDownload = true;
        m_wizard->close();
        event->ignore();
        return;
    }
    m_checkTimer.stop();
    m_textChanged.stop();
    m_shutdown.run(m_link);
    event->accept();
}

} // namespace valtrane::app
