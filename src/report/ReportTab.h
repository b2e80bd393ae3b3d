#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"
#include "report/LayoutFiles.h"
#include "report/ReportLogo.h"
#include "report/ReportSet.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

namespace valtrane::db {
class Database;
}

namespace valtrane::report {

// The rules of the "View Report" tab, without its widgets: setting the reports up on entry, the
// two lists per model and font size, placing column objects, the report menu's commands (font,
// logo, the stiffness report switch), "Clear Preview", the layout commands and the paper set-up
// of a print run. The widget ReportTabView shows what this decides.
class ReportTab {
public:
    struct Context {
        const AppPaths &paths;
        AppState &state;
        ReportSet &reports;
        db::Database &database;
        Prompter &prompter;
        FileChooser &files;
    };

    static QString instruction() { return QStringLiteral("Left Click on the window below for report options."); }
    static QString helpText(int deviceCode);
    static QString settingUpStatus() { return QStringLiteral("Status: Setting up report with selected data..."); }
    static QString okStatus() { return QStringLiteral("Status: OK, Left Click on preview window to see more options."); }
    // "View SG2150 Report B" while the first stiffness report shows, "... A" while StiffyReport does.
    static QString stiffyToggleCaption(bool showingStiffy);
    // "9" or "9 (Current)".
    static QString fontEntryCaption(int size, int currentSize);
    // Landscape for the nuclear and stiffness gauges, portrait for the load-frame logger.
    static int paperOrientation(int deviceCode);

    explicit ReportTab(Context context);

    // Entering the tab: the reports set up for the selection, the lists refilled for the model.
    // False when nothing is selected: the tab shows no preview.
    bool enter();
    bool hasReport() const { return m_hasReport; }
    int deviceCode() const { return m_context.state.DeviceCode; }
    int fontSize() const { return m_context.state.ReportFontSize; }

    const QStringList &columnList() const { return m_columnList; }
    const QStringList &columnObjects() const { return m_columnObjects; }
    int columnSelection() const { return m_columnSelection; }
    void setColumnSelection(int position) { m_columnSelection = position; }
    // The lists take choices on the first sub-tab of a model that composes its columns.
    bool listsEnabled() const { return m_listsEnabled; }
    bool stiffnessSwitchShown() const { return deviceCode() == SG2150; }

    // A click in the "Column Object" list.
    void placeColumnObject(const QString &object);

    // The report shown, printed and exported: Report, or StiffyReport on the second sub-tab.
    ReportDocument &shownReport();
    bool showingStiffy() const { return m_showingStiffy; }
    // The report sub-tabs: 0 the data report, 1 the stiffness results (SG2150 only).
    void setSubTab(int index);
    void toggleStiffy() { setSubTab(m_showingStiffy ? 0 : 1); }

    void applyFont(int size);
    void clearPreview();

    ReportLogo &logo() { return m_logo; }
    ReportSet &reports() { return m_context.reports; }
    AppState &state() { return m_context.state; }
    // "Insert Logo": asks for the picture; refused with a message when the report has one.
    bool insertLogo();
    void logoLeft() { m_logo.moveLeft(deviceCode()); }
    void logoRight() { m_logo.moveRight(deviceCode()); }
    void deleteLogo() { m_logo.remove(); }

    LayoutFiles layoutFiles();
    bool saveLayout();
    LayoutFiles::Loaded loadLayout(const std::function<void()> &columnPlaced = {});

    // The remarks column's data object and line under a click on the preview, or an empty name
    // when the click is not on the remarks column's values.
    struct RemarksPlace {
        QString object;
        int line = 0;
    };
    RemarksPlace remarksPlaceAt(int page, const QPoint &twips, const QString &objectName) const;

    // A print run: the paper turned for the model, placeholder columns off the paper; after it
    // they are shown again.
    void beginPrint();
    void endPrint();

private:
    void fillLists();
    QString surfaceLetter() const;

    Context m_context;
    ReportLogo m_logo;
    bool m_hasReport = false;
    bool m_showingStiffy = false;
    bool m_listsEnabled = true;
    QStringList m_columnList;
    QStringList m_columnObjects;
    int m_columnSelection = 0;
};

} // namespace valtrane::report
