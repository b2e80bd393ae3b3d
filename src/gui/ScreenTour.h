#pragma once

#include <QString>

namespace valtrane::gui {

// valtrane --screens DIR: opens a saved project of each gauge model in the main window, as a user
// would, with the export dialog of the NG7700B and SG2150; walks the import wizard through a
// download and opens the stiffness constants dialog; and writes pictures of the windows to DIR for
// people to look at.
class ScreenTour {
public:
    // 0 when every picture was written.
    static int run(const QString &outputFolder);
};

} // namespace valtrane::gui
