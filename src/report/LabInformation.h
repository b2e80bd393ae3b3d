#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "report/ReportSet.h"

namespace valtrane::report {

// The testing lab's information on the reports: copying it into the header objects and saving it.
class LabInformation {
public:
    static QString savedMessage() { return QStringLiteral("Information Saved."); }
    static QString notSavedMessage() { return QStringLiteral("Information could not be saved."); }
    static QString changedQuestion() { return QStringLiteral("Information changed.  Do you want to save changes?"); }

    // Company name and information into both reports; project name, machine number and tester
    // into Report. A field reading "Empty" is never copied: the object keeps its text.
    static void copyToReports(const AppState &state, ReportSet &reports);
    static void copyToReport(const AppState &state, ReportDocument &report);

    // Copies the information to the reports (when there are any), writes info/Info.vkt and clears
    // the information-changed flag. False when the file could not be written (flag kept).
    static bool save(const AppPaths &paths, AppState &state, ReportSet *reports);
};

} // namespace valtrane::report
