#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QDir>
#include <QString>

namespace valtrane::screens {

// Page 1 of the report of the table on screen (state.CurrentTable), with the model's columns
// placed one after another, as name-report.png; for the SG2150 also its stiffness results report
// as name-stiffness.png. False when a picture could not be written.
bool writeReportPictures(const AppPaths &paths, AppState &state, const QString &name, const QDir &out);

} // namespace valtrane::screens
