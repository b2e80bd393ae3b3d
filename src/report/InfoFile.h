#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

namespace valtrane::report {

// The report information file info/Info.vkt: one quoted record of ten items, the nine texts of
// CInfo (company, address, city/state/zip, phone, fax, email, project name, machine number, tested
// by) and TreeRootCaption.
class InfoFile {
public:
    // Mode 1: writes CInfo and TreeRootCaption. False when the file could not be written.
    static bool write(const AppPaths &paths, const AppState &state);
    // Mode 0: fills CInfo 0 to 8 and, from the tenth line, TreeRootCaption. An empty line leaves its
    // value as it was; reading stops at the end of the file; a missing file changes nothing.
    static void read(const AppPaths &paths, AppState &state);
};

} // namespace valtrane::report
