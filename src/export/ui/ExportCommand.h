#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"
#include "export/ExportHandler.h"
#include "export/ui/ExportForm.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace valtrane::exporting {

// The main window's Export command: with a table on screen it opens "Export Select" beside the
// window (not modal, owned by it), and once the dialog is closed runs the export handler from the
// stored choices. A failed export is told in a message box.
class ExportCommand : public QObject {
    Q_OBJECT
public:
    struct Services {
        Prompter &prompter;
        FileChooser &files;
        ExportReports &reports;
        // The report the report tab shows.
        std::function<ReportOnScreen()> shownReport;
    };

    ExportCommand(const AppPaths &paths, AppState &state, Services services, QWidget *owner);

    void Export();

    ExportForm *form() const { return m_form; }
    const ExportChoices &choices() const { return m_choices; }
    ExportHandler &handler() { return m_handler; }

signals:
    // The dialog was closed and the export, if any, has run.
    void exportEnded(bool ok);

private:
    void onFormClosed();

    const AppPaths &m_paths;
    AppState &m_state;
    Services m_services;
    QWidget *m_owner;
    ExportChoices m_choices;
    ExportHandler m_handler;
    QPointer<ExportForm> m_form;
    ReportOnScreen m_shown = ReportOnScreen::Main;
};

} // namespace valtrane::exporting
