#pragma once

#include "common/AppState.h"
#include "report/ReportTab.h"

#include <QWidget>

class QLabel;

namespace valtrane::report {
class ReportTabView;
}

namespace valtrane::app {

// The "View Report" page: which project, test or run the report is about, over the report tab
// where the report is composed, previewed and printed.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(report::ReportTab::Context context, QWidget *parent = nullptr);

    void showSelection(const AppState &state);
    // The page is shown: the selection line and the report set up for the selection.
    void enter(const AppState &state);
    report::ReportTabView *tabView() const { return m_tab; }

    // "No Project Selected" while no table is on screen; else the project and its surface, the
    // test, or "Stiffness Run Number " and the run.
    static QString selectionLine(const AppState &state);

private:
    QLabel *m_line;
    report::ReportTabView *m_tab;
};

} // namespace valtrane::app
