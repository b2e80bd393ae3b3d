#include "app/ProjectFileCommands.h"

#include "common/ProgramInfo.h"
#include "db/Database.h"
#include "project/ProjectOpen.h"
#include "project/ProjectSave.h"

#include <QDir>
#include <QFileInfo>

namespace valtrane::app {

ProjectFileCommands::ProjectFileCommands(const AppPaths &paths, AppState &state, Prompter &prompter, FileChooser &chooser)
    : m_paths(paths)
    , m_state(state)
    , m_prompter(prompter)
    , m_chooser(chooser)
{
}

void ProjectFileCommands::busy(bool on) const
{
    if (m_busy)
        m_busy(on);
}

void ProjectFileCommands::noteFolder(const QString &fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (QDir(folder) != QDir(m_state.LastFolder))
        m_state.LastFolder = folder;
}

std::optional<QString> ProjectFileCommands::chooseSaveFile(const QString &title)
{
    for (;;) {
        const std::optional<QString> file = m_chooser.saveFile({title, m_state.LastFolder, filter()});
        if (!file)
            return std::nullopt;
        noteFolder(*file);
        if (!QFileInfo::exists(*file))
            return file;
        const auto answer = m_prompter.ask(project::ProjectSave::overwriteQuestion(QDir::toNativeSeparators(*file)), program::title(),
                                           Prompter::Buttons::YesNoCancel, Prompter::Icon::Warning);
        if (answer == Prompter::Answer::Yes)
            return file;
        if (answer != Prompter::Answer::No)
            return std::nullopt;
    }
}

void ProjectFileCommands::save(bool selectedOnly)
{
    const std::optional<QString> file = chooseSaveFile(selectedOnly ? QStringLiteral("Save Selected Project") : QStringLiteral("Save All Projects"));
    if (!file)
        return;
    busy(true);
    // A connection of its own, which the writer closes when it is done: the grids keep theirs.
    db::Database connection;
    project::ProjectSave saver(m_paths, m_state);
    const project::ProjectSave::Result result = selectedOnly ? saver.saveSelected(connection, *file, true) : saver.saveAll(connection, *file, true);
    busy(false);
    // A save that fails ends here, without a word, and leaves the old file, if any, as it was. An
    // empty table list writes no file, and the message still reads as after any save.
    if (result.outcome == project::ProjectSave::Outcome::Failed)
        return;
    m_prompter.tell(project::ProjectSave::savedMessage(QDir::toNativeSeparators(*file)), project::ProjectSave::savedTitle(),
                    Prompter::Icon::Information);
}

std::optional<QString> ProjectFileCommands::chooseOpenFile()
{
    for (;;) {
        const std::optional<QString> file = m_chooser.openFile({QStringLiteral("Open Project(s)"), m_state.LastFolder, filter()});
        if (!file)
            return std::nullopt;
        noteFolder(*file);
        if (QFileInfo(*file).isFile())
            return file;
        m_prompter.tell(project::ProjectOpen::missingFileMessage(), program::title(), Prompter::Icon::Warning);
    }
}

bool ProjectFileCommands::openFile(const QString &fileName)
{
    busy(true);
    const project::ProjectOpenResult result = project::ProjectOpen::open(m_paths, m_state, fileName);
    busy(false);
    if (!result.opened)
        m_prompter.tell(result.error, program::title(), Prompter::Icon::Warning);
    else if (!result.warning.isEmpty())
        m_prompter.tell(result.warning, program::title(), Prompter::Icon::Warning);
    return result.opened;
}

} // namespace valtrane::app
