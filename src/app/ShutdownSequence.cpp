#include "app/ShutdownSequence.h"

#include "app/GridConnection.h"
#include "common/ProgramInfo.h"
#include "report/InfoFile.h"

namespace valtrane::app {

ShutdownSequence::ShutdownSequence(AppPaths &paths, AppState &state, Prompter &prompter, GridConnection &grids)
    : m_paths(paths)
    , m_state(state)
    , m_prompter(prompter)
    , m_grids(grids)
{
}

void ShutdownSequence::run(std::unique_ptr<link::Communication> &link)
{
    if (m_done)
        return;
    m_done = true;
    m_grids.close();
    if (link && !link->Between_Tests)
        link->Close_Port();
    offerToSaveInformation();
    link.reset();
}

void ShutdownSequence::offerToSaveInformation()
{
    if (!m_state.InformationChanged)
        return;
    const Prompter::Answer answer = m_prompter.ask(QStringLiteral("Information changed.  Do you want to save changes?"),
                                                   program::title(), Prompter::Buttons::YesNo, Prompter::Icon::Question);
    if (answer == Prompter::Answer::Yes && report::InfoFile::write(m_paths, m_state))
        m_state.InformationChanged = false;
}

} // namespace valtrane::app
