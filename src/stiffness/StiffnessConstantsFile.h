#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace valtrane::stiffness {

// What the program knows of one stiffness constant: its name (the file key without " = "), the
// constants dialog's label, and the format a value loaded from the file is held in.
struct StiffnessConstantInfo {
    QString name;
    QString label;
    QString loadFormat;
    // The values a lab would enter; the dialog and the command line refuse any other.
    double lowest = 0;
    double highest = 0;

    QString key() const { return name + QStringLiteral(" = "); }  // nine characters
};

// The stiffness constants file info/StiffnessCons.vkt: seven lines "MeasMs = 0.12", ... in the
// order of StiffnessConstantIndex, each ended by CR LF.
//
// Loading a missing file asks whether to set the constants up now. On Yes the setup action runs
// (the desktop program opens the constants dialog modally and returns when it is closed); if the
// file exists afterwards, the constants are those the dialog applied. Otherwise all seven are 0.
class StiffnessConstantsFile {
public:
    using SetupAction = std::function<void()>;

    StiffnessConstantsFile(const AppPaths &paths, AppState &state, Prompter &prompter, SetupAction setup = {});

    // Mode 0 loads, mode 1 saves; any other mode does nothing. False when the file could not be
    // read or written (nobody is told: the constants then stay as they were).
    bool run(int mode);
    bool load();
    bool save();

    static const StiffnessConstantInfo &info(int index);
    // The index of a constant by its name ("Poisra"), without regard to case.
    static std::optional<int> indexOfName(QStringView name);

private:
    void setAllToZero();

    const AppPaths &m_paths;
    AppState &m_state;
    Prompter &m_prompter;
    SetupAction m_setup;
};

} // namespace valtrane::stiffness
