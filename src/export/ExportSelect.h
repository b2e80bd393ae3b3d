#pragma once

#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"
#include "export/ExportChoices.h"
#include "export/ReportOnScreen.h"

#include <QString>
#include <array>

namespace valtrane::exporting {

// The choices and click rules of the "Export Select" dialog, without a window: which options are
// selected and enabled, the texts of the boxes, and what "Export" and "Cancel" store. The dialog
// is a view over this.
class ExportSelect {
public:
    enum Dest { Application = 0, Disk = 1 };
    enum Format { Csv = 0, Rtf = 1, Pdf = 2 };
    enum Range { AllPages = 0, PageRange = 1 };
    enum What { AllData = 0, CurrentData = 1 };
    enum Box { RawBox = 0, StiffnessBox = 1 };

    // The dialog as it opens: the file names in lastFolder, all pages, and CSV, Disk and all data
    // selected in that order, each by its click rule.
    ExportSelect(int deviceCode, const QString &lastFolder, ReportOnScreen shown);

    void clickDest(int index);
    void clickFormat(int index);
    void clickRange(int index);
    void clickWhat(int index);
    // A range box's new text; one that is not a number goes back to "1".
    void editRange(int box, const QString &text);
    void editLocation(int box, const QString &text);
    // The file dialog for a box, with the selected format's filter. The chosen name goes into the
    // box and its folder becomes lastFolder. False when the user cancelled.
    bool browse(int box, FileChooser &files, QString &lastFolder);

    // "Export": when each file name's folder is an existing, writable folder, stores the choices in
    // choices, sets ExportConfirmed and returns true; else tells which name is wrong and returns
    // false, and the dialog stays open.
    bool confirm(ExportChoices &choices, AppState &state, Prompter &prompter) const;
    // "Cancel": nothing is exported; the stored choices stay for the next time.
    static void cancel(AppState &state);

    int dest() const { return m_dest; }
    int format() const { return m_format; }
    int range() const { return m_range; }
    int what() const { return m_what; }
    bool csvEnabled() const { return m_csvEnabled; }
    bool whatEnabled() const { return m_whatEnabled; }
    bool rangeBoxesEnabled() const { return m_range == PageRange; }
    bool locationEnabled(int box) const;
    bool browseEnabled(int box) const;
    QString rangeText(int box) const { return m_rangeTexts.at(size_t(box)); }
    QString location(int box) const { return m_locations.at(size_t(box)); }
    QString whatCurrentCaption() const;

    static QString formatFilter(int format);
    // An absolute name of a file whose folder exists and can be written to.
    static bool isValidExportFile(const QString &fileName);

private:
    bool isStiffnessGauge() const { return m_deviceCode == SG2150; }

    int m_deviceCode;
    ReportOnScreen m_shown;
    int m_dest = Disk;
    int m_format = Csv;
    int m_range = AllPages;
    int m_what = AllData;
    bool m_csvEnabled = true;
    bool m_whatEnabled = false;
    std::array<QString, 2> m_rangeTexts;
    std::array<QString, 2> m_locations;
};

} // namespace valtrane::exporting
