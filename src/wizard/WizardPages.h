#pragma once

#include "wizard/DownloadRun.h"

#include <QString>

namespace valtrane::wizard {

// The user's picks in the wizard's three option groups: the index of the chosen button, or
// NoSelection.
struct WizardChoices {
    static constexpr int NoSelection = 999;

    int port = NoSelection;   // 0 to 3: COM1 to COM4
    int model = NoSelection;  // 0 LD4800, 1 NG7700A, 2 NG7700B, 3 SG2150
    int type = NoSelection;   // 0 single, 1 continuous

    bool continuous() const { return model == LD4800 && type == 1; }
    // What START downloads with these picks.
    DownloadChoice downloadChoice() const;
};

// Everything a wizard page sets: its two message lines, the two buttons, which option group
// frames are shown, and the port, device and download-type panels of the status bar. A page
// changes only what it names and leaves the rest as the page before it left it.
struct WizardView {
    static constexpr int ClosePage = 8;

    int page = 0;
    QString line0;
    QString line1;
    QString nextCaption = QStringLiteral("Next");
    bool nextEnabled = true;
    QString previousCaption = QStringLiteral("Previous");
    bool previousShown = false;
    bool previousEnabled = true;
    bool portFrame = false;
    bool modelFrame = false;
    bool typeFrame = false;
    bool receivingFrame = false;
    bool choicesEnabled = true;
    QString portPanel = QStringLiteral("Port: None");
    QString devicePanel = QStringLiteral("Dev: None");
    QString typePanel = QStringLiteral("DL Type: None");
    // Showing this page starts the download.
    bool startsDownload = false;
};

// The wizard's pages and the rules that move between them, without a window.
class WizardPages {
public:
    static QString modelCaption(int model);
    static QString typeCaption(int type);
    static QString portCaption(int port);

    // The view after Next (forward) or Previous (back) on the view's page. Previous skips the
    // download-type page for every model but the LD4800, and so does Next.
    static WizardView next(const WizardView &view, const WizardChoices &choices);
    static WizardView previous(const WizardView &view, const WizardChoices &choices);
    // The view with page shown on top of it.
    static WizardView show(int page, const WizardChoices &choices, WizardView view);

    // A choice made in any group lets the user go on.
    static WizardView chosen(WizardView view);
    // The download has ended: buttons and choices work again. On the start page the user goes
    // back to try again; Next would announce a completed import.
    static WizardView downloadEnded(WizardView view);
};

} // namespace valtrane::wizard
