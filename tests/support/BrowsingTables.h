#pragma once

#include "common/AppPaths.h"
#include "support/ProjectTables.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace valtrane::test {

// The table registry as a download or project load leaves it.
void writeRegistry(const AppPaths &paths, int deviceCode, const QString &tableList);

// A logger test: one reading per row of channel values (READNUMBER from 1), each reading with the
// four channel names.
TableContent loggerTest(const QString &name, const std::vector<std::array<double, 4>> &channels, const QStringList &names);

} // namespace valtrane::test
