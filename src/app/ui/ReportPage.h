#pragma once

#include "common/AppState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace valtrane::app {

// The "View Report" page: which project, test or run the report is about, and the export command.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget *parent = nullptr);

    void showSelection(const AppState &state);
    QPushButton *exportButton() const { return m_export; }

    // "No Project Selected" while no table is on screen; else the project and its surface, the
    // test, or "Stiffness Run Number " and the run.
    static QString selectionLine(const AppState &state);

private:
    QLabel *m_line;
    QPushButton *m_export;
};

} // namespace valtrane::app
