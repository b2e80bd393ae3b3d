#pragma once

#include "report/ReportTab.h"
#include "report/ui/AddInfo.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QTabBar;

namespace valtrane::report {

class ReportMenu;
class ReportViewer;

// The "View Report" tab: the two lists and the layout commands beside the report preview; a left
// click on the preview opens the report menu, the viewer's print action the printer dialog. The
// rules are ReportTab's; this only shows them.
class ReportTabView : public QWidget {
    Q_OBJECT
public:
    explicit ReportTabView(ReportTab::Context context, QWidget *parent = nullptr);

    // Entering the tab: editor windows closed, reports set up, lists and preview shown.
    void enter();

    ReportTab &tab() { return m_tab; }
    ReportViewer *viewer() const { return m_viewer; }
    QListWidget *columnList() const { return m_columnList; }
    QListWidget *columnObjects() const { return m_columnObjects; }
    QTabBar *subTabs() const { return m_subTabs; }
    ReportMenu *reportMenu() const { return m_menu; }
    AddInfo *editor() const { return m_editor; }
    QPushButton *button(const QString &objectName) const;

    // The pause after each column a loaded layout places, so the preview is seen filling.
    void setFillPause(int milliseconds) { m_fillPause = milliseconds; }
    void setExportAvailable(bool available);

    // The report menu at a click on the preview (page and twips of the click, the object under it).
    void openReportMenu(int page, const QPoint &twips, const QString &objectName, const QPoint &globalPos);
    // Add_Info for a header item; an editor already open is cancelled first.
    void openEditor(int itemCode, const QString &remarksObject = QString(), int remarksLine = 0);
    // Prints the report shown on a printer already chosen.
    bool printOn(QPrinter &printer);
    void refreshPreview();

signals:
    void statusMessage(const QString &text);
    void exportRequested();

private:
    void connectMenu();
    QWidget *buildSidePanel();
    QWidget *buildPreviewPanel();
    void showLists();
    void onColumnObjectClicked();
    void onSubTab(int index);
    void onFont(int size);
    void onPrintRequested();
    void onLoadLayout();

    ReportTab m_tab;
    QLabel *m_instruction;
    QLabel *m_help;
    QListWidget *m_columnList;
    QListWidget *m_columnObjects;
    QTabBar *m_subTabs;
    ReportViewer *m_viewer;
    ReportMenu *m_menu;
    QPointer<AddInfo> m_editor;
    int m_fillPause = 500;
};

} // namespace valtrane::report
