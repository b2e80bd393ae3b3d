#pragma once

#include <QString>

namespace valtrane::gui {

// valtrane --screens DIR: opens a saved project of each gauge model in the main window, as a user
// would, walks the import wizard through a download and opens the stiffness constants dialog, and
// writes pictures of the windows to DIR for people to look at; with them, page 1 of each model's
// report (and the SG2150's stiffness results report) with a usual choice of columns.
class ScreenTour {
public:
    // 0 when every picture was written.
    static int run(const QString &outputFolder);
};

} // namespace valtrane::gui
