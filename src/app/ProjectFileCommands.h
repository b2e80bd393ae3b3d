#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"

#include <QString>
#include <functional>
#include <optional>

namespace valtrane::app {

// Saving projects as text and opening them again, as the user sees it: the file dialogs with their
// filter and starting folder (LastFolder, which follows every file chosen), the overwrite question,
// the busy pointer and the messages. The files themselves are written and read by the same code
// the command line uses.
class ProjectFileCommands {
public:
    ProjectFileCommands(const AppPaths &paths, AppState &state, Prompter &prompter, FileChooser &chooser);

    static QString filter() { return QStringLiteral("Text File (*.txt)"); }

    // Called with true before long work and false after it.
    void setBusyPointer(std::function<void(bool)> busy) { m_busy = std::move(busy); }

    // Save all projects, or only the one on screen: the dialog, the file and the message.
    void save(bool selectedOnly);

    // The open dialog, again after a file that does not exist; nullopt on Cancel.
    std::optional<QString> chooseOpenFile();
    // Reads a project file into a new database; a file that is no saved project is refused with a
    // message and changes nothing. True when the file was opened.
    bool openFile(const QString &fileName);

private:
    // The save dialog, again and again while the user answers No to overwriting an existing file;
    // nullopt on Cancel in the dialog or at the question.
    std::optional<QString> chooseSaveFile(const QString &title);
    void noteFolder(const QString &fileName);
    void busy(bool on) const;

    const AppPaths &m_paths;
    AppState &m_state;
    Prompter &m_prompter;
    FileChooser &m_chooser;
    std::function<void(bool)> m_busy;
};

} // namespace valtrane::app
