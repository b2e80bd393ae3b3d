#include "app/ShutdownSequence.h"

#include "app/GridConnection.h"
#include "common/ProgramInfo.h"
#include "report/LabInformation.h"

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
    const Prompter::Answer answer = m_prompter.ask(report::LabInformation::changedQuestion(), program::title(),
                                                   Prompter::Buttons::YesNo, Prompter::Icon::Question);
    // The window is closing: only the file matters, the reports go with it.
    if (answer == Prompter::Answer::Yes)
        report::LabInformation::save(m_paths, m_state, nullptr);
}

} // namespace valtrane::app
