#pragma once

#include "support/ProjectSnapshot.h"
#include "support/TempHome.h"

#include <QByteArray>
#include <string>

namespace valtrane::test {

// The project a program folder holds: every row of its database and its table registry.
struct HomeProjectState {
    ProjectSnapshot rows;
    QByteArray registry;

    static HomeProjectState of(TempHome &home);
};

// Empty when the folder holds them and no half-built new database or registry; else the first difference.
std::string projectStateDifference(TempHome &home, const HomeProjectState &expected);

// The bytes of the hand-laid-out project file tests/data/writeout/<model>.txt (DeviceCode numbering).
QByteArray sampleProjectFile(int deviceCode);

} // namespace valtrane::test
