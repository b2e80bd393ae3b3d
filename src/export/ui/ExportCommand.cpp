#include "export/ui/ExportCommand.h"

#include "common/ProgramInfo.h"
#include "db/Database.h"
#include "export/ui/ExportForm.h"

#include <QGuiApplication>
#include <QWidget>

namespace valtrane::exporting {

ExportCommand::ExportCommand(const AppPaths &paths, AppState &state, Services services, QWidget *owner)
    : QObject(owner)
    , m_paths(paths)
    , m_state(state)
    , m_services(std::move(services))
    , m_owner(owner)
    , m_handler(paths, state, m_choices, m_services.prompter, m_services.reports)
{
}

void ExportCommand::Export()
{
    if (m_state.CurrentTable.isEmpty())
        return;
    // One export at a time: a second Export brings the open dialog to the front.
    if (m_form) {
        m_form->raise();
        m_form->activateWindow();
        return;
    }
    m_shown = m_services.shownReport ? m_services.shownReport() : ReportOnScreen::Main;
    m_form = new ExportForm(m_paths, m_state, m_choices, m_services.prompter, m_services.files, m_shown, m_owner);
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    m_form->setModal(false);
    connect(m_form, &QDialog::finished, this, &ExportCommand::onFormClosed);
    m_form->show();
}

void ExportCommand::onFormClosed()
{
    if (!m_state.ExportConfirmed) {
        emit exportEnded(true);
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // A connection of its own, which stays open for the whole export and closes with it.
    db::Database connection;
    const bool ok = m_handler.afterDialog(connection, m_shown);
    QGuiApplication::restoreOverrideCursor();
    if (!ok && !m_handler.errorText().isEmpty())
        m_services.prompter.tell(m_handler.errorText(), program::title(), Prompter::Icon::Warning);
    emit exportEnded(ok);
}

} // namespace valtrane::exporting
