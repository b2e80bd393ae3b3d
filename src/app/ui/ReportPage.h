#pragma once

#include "common/AppState.h"

#include <QWidget>

class QLabel;

namespace valtrane::app {

// The "View Report" page: which project, test or run the report is about.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget *parent = nullptr);

    void showSelection(const AppState &state);

    // "No Project Selected" while no table is on screen; else the project and its surface, the
    // test, or "Stiffness Run Number " and the run.
    static QString selectionLine(const AppState &state);

private:
    QLabel *m_line;
};

} // namespace valtrane::app
