#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "link/Communication.h"

#include <memory>

namespace valtrane::app {

class GridConnection;

// What closing the main window does, once: the grids' connection closes, the port closes unless
// the gauge is between tests, changed report information is offered for saving, and the serial
// link is released. Closing always completes: a step that fails is passed over.
class ShutdownSequence {
public:
    ShutdownSequence(AppPaths &paths, AppState &state, Prompter &prompter, GridConnection &grids);

    // Runs the steps the first time only; releases the link.
    void run(std::unique_ptr<link::Communication> &link);
    bool done() const { return m_done; }

private:
    void offerToSaveInformation();

    AppPaths &m_paths;
    AppState &m_state;
    Prompter &m_prompter;
    GridConnection &m_grids;
    bool m_done = false;
};

} // namespace valtrane::app
