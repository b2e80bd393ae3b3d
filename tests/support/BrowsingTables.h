#pragma once

#include "common/AppPaths.h"
#include "support/ProjectTables.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace valtrane::test {

void writeRegistry(const AppPaths &paths, int deviceCode, const QString &tableList);

// A logger test of one reading per row of channel values (READNUMBER from 1) with the channel names.
TableContent loggerTest(const QString &name, const std::vector<std::array<double, 4>> &channels, const QStringList &names);

} // namespace valtrane::test
