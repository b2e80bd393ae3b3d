#pragma once

#include "app/DesktopActions.h"
#include "app/GridConnection.h"
#include "app/NodeSelection.h"
#include "app/ProjectFileCommands.h"
#include "app/ShutdownSequence.h"
#include "app/ui/MainPages.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"
#include "export/EngineReports.h"
#include "link/Communication.h"
#include "report/ReportSet.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class QLabel;
class QTabWidget;

namespace valtrane::stiffness {
class StiffnessConsDialog;
}

namespace valtrane::wizard {
class ImportWizard;
}

namespace valtrane::exporting {
class ExportCommand;
}

namespace valtrane::app {

class AboutBox;
class ChannelGraphView;
class DataPage;
class MainMenus;
class ReportPage;

// What the main window asks of the world outside it; tests pass their own.
struct MainWindowServices {
    Prompter &prompter;
    FileChooser &files;
    DesktopActions &desktop;
    // Makes the serial link when the window starts up; the window releases it when it closes.
    std::function<std::unique_ptr<link::Communication>()> makeLink;
};

// The program's one main window: the "View Data", "View Report" and "View Graph" pages, the
// status bar, and the commands its menus and buttons start.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Page = MainPages::Page;
    static constexpr Page DataPageIndex = MainPages::DataPageIndex;
    static constexpr Page ReportPageIndex = MainPages::ReportPageIndex;
    static constexpr Page GraphPageIndex = MainPages::GraphPageIndex;

    MainWindow(AppPaths &paths, AppState &state, MainWindowServices services, QWidget *parent = nullptr);

    // Loading the window: status, page captions, the start-up checks, help file, port scan,
    // window set-up and the project tree, in that order.
    void startUp();

    void Rebuild_Tree();

    // The port scan: the four port captions of the Ports menu. Returns the scan's result, a
    // character per port.
    QString scanPorts();
    QStringList portCaptions() const;

    // The import command: opens the import wizard, or brings the open one to the front.
    void openImportWizard();
    // The constants command: opens the stiffness constants dialog beside the window.
    void openStiffnessConstants();
    // The stiffness constants file, whose "set up now?" question opens the constants dialog.
    stiffness::StiffnessConstantsFile stiffnessConstantsFile();

    QString statusText() const;
    void setStatusText(const QString &text);

    // A page of the tab control made available or not, as downloads and project loads do; the
    // file commands of the menu go with the data page.
    void setPageAvailable(int page, bool available);

    QTabWidget *mainTab() const { return m_mainTab; }
    DataPage *dataPage() const { return m_dataPage; }
    ReportPage *reportPage() const { return m_reportPage; }
    ChannelGraphView *graphView() const { return m_graph; }
    link::Communication *serialLink() const { return m_link.get(); }
    wizard::ImportWizard *importWizard() const;
    stiffness::StiffnessConsDialog *constantsDialog() const;
    exporting::ExportCommand *exportCommand() const { return m_export; }

signals:
    // The constants dialog stored new stiffness constants: the stiffness report is built again.
    void stiffnessConstantsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void buildPages();
    void connectPages();
    void centreOnScreen();
    QIcon programIcon() const;

    void onNodeChosen(const ClickedNode &node);
    void drawGraph(int readingCount);
    void onInformationEdited(bool stored);
    void onPageChanged(int index);
    void setPagesAndCommandsAvailable(bool available);
    void onWizardClosed();
    stiffness::StiffnessConsDialog *showConstantsDialog(Qt::WindowModality modality);
    void setupStiffnessConstants();
    void onTextChanged();
    void buildExport();
    std::optional<report::ReportDocument> reportToExport(exporting::ReportOnScreen which);

    void Save_DB();
    void save_selected();
    void Load_DB();
    void Check_Ports();

    void Contents();
    void About();
    void Weblink();

    AppPaths &m_paths;
    AppState &m_state;
    MainWindowServices m_services;
    GridConnection m_grids;
    ProjectFileCommands m_fileCommands;
    ShutdownSequence m_shutdown;
    std::unique_ptr<link::Communication> m_link;
    report::ReportSet m_reports;  // Report and StiffyReport
    QTimer m_checkTimer{this};
    QTimer m_textChanged{this};

    QLabel *m_status = nullptr;
    QTabWidget *m_mainTab = nullptr;
    DataPage *m_dataPage = nullptr;
    ReportPage *m_reportPage = nullptr;
    ChannelGraphView *m_graph = nullptr;
    std::unique_ptr<MainPages> m_pages;
    MainMenus *m_menus = nullptr;
    QPointer<AboutBox> m_about;
    QPointer<wizard::ImportWizard> m_wizard;
    QPointer<stiffness::StiffnessConsDialog> m_constants;
    std::unique_ptr<exporting::EngineReports> m_exportReports;
    exporting::ExportCommand *m_export = nullptr;

    QString m_helpFile;
    bool m_closeAfterDownload = false;
};

} // namespace valtrane::app
