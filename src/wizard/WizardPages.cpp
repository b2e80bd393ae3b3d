#include "wizard/WizardPages.h"

#include "link/GaugeModels.h"

namespace valtrane::wizard {

namespace {

constexpr int TypePage = 3;
constexpr int StartPage = 6;

QString instructions(int model)
{
    switch (model) {
    case NG7700B:
        return QStringLiteral("Start Infared Download from Gauge.  From the Main Menu of the ")
               + QStringLiteral("Gauge select Data(F1) and then select PROJECTS(F3). ");
    case LD4800:
        return QStringLiteral("Run selected tests on the LD4800, and make sure the LD4800 is ")
               + QStringLiteral("connected to the computer through the Serial Port. ");
    default:
        return QStringLiteral("Prepare to start Infared Download from Gauge. ");
    }
}

QString startText(int model)
{
    QString step;
    QString note;
    switch (model) {
    case SG2150:
        step = QStringLiteral("Press SHIFT then PRINT, located on front panel of Gauge. ");
        note = QStringLiteral("NOTE:  Gauge may finish transmitting befor program has finished processing data. ");
        break;
    case NG7700B:
        step = QStringLiteral("Select START IR DOWNLOAD(F4) from the Gauge. ");
        note = QStringLiteral("NOTE:  Gauge may finish transmitting before program has finished processing data. ");
        break;
    case LD4800:
        step = QStringLiteral("Select PRINT DATA from the LD4800. ");
        note = QStringLiteral("NOTE:  Gauge may finish transmitting before program has finished processing data.");
        break;
    default:
        step = QStringLiteral("Press PRINT, located on front panel of Gauge. ");
        note = QStringLiteral("NOTE:  Gauge may finish transmitting befor program has finished processing data. ");
        break;
    }
    return step + note + QStringLiteral("Please wait...");
}

bool picked(int selection)
{
    return selection != WizardChoices::NoSelection;
}

} // namespace

DownloadChoice WizardChoices::downloadChoice() const
{
    return {picked(port) ? port : 0, picked(model) ? model : 0, type == 1 ? 1 : 0};
}

QString WizardPages::modelCaption(int model)
{
    return link::modelName(model);
}

QString WizardPages::typeCaption(int type)
{
    return type == 0 ? QStringLiteral("Single Download") : QStringLiteral("Continuous Download");
}

QString WizardPages::portCaption(int port)
{
    return QStringLiteral("COM%1").arg(port + 1);
}

WizardView WizardPages::next(const WizardView &view, const WizardChoices &choices)
{
    return show(view.page + 1, choices, view);
}

WizardView WizardPages::previous(const WizardView &view, const WizardChoices &choices)
{
    int page = view.page - 1;
    if (page == TypePage && choices.model != LD4800)
        --page;
    return show(page, choices, view);
}

WizardView WizardPages::show(int page, const WizardChoices &choices, WizardView view)
{
    view.page = page;
    view.startsDownload = false;
    switch (page) {
    case 0:
        view.line0 = QStringLiteral("Welcome to the Valtrane Download Import Wizard.  This Wizard will ")
                     + QStringLiteral("assist you with importing data sets from a Valtrane Gauge. ");
        view.line1 = QStringLiteral("Click Next to continue. ");
        view.previousCaption = QStringLiteral("Previous");
        view.previousShown = false;
        view.nextCaption = QStringLiteral("Next");
        view.nextEnabled = true;
        view.portFrame = false;
        view.portPanel = QStringLiteral("Port: None");
        view.devicePanel = QStringLiteral("Dev: None");
        break;
    case 1:
        view.line0 = QStringLiteral("Select the COM Port that the Infared Device is connected to.  You can ")
                     + QStringLiteral("only select from available COM ports.");
        view.nextEnabled = picked(choices.port);
        view.previousShown = true;
        view.portFrame = true;
        view.modelFrame = false;
        view.devicePanel = QStringLiteral("Dev: None");
        break;
    case 2:
        view.portPanel = QStringLiteral("Port: COM") + QString::number(choices.port + 1);
        view.line0 = QStringLiteral("Select the device that is connected to the COM port.");
        view.nextEnabled = picked(choices.model);
        view.portFrame = false;
        view.modelFrame = true;
        view.typeFrame = false;
        view.typePanel = QStringLiteral("DL Type: None");
        break;
    case TypePage:
        view.modelFrame = false;
        view.devicePanel = QStringLiteral("Dev: ") + modelCaption(choices.model);
        if (choices.model != LD4800)
            return show(TypePage + 1, choices, view);
        view.line0 = QStringLiteral("The LD4800 support two types of download.  Select the type ")
                     + QStringLiteral("of download option you would like to perform.");
        view.nextEnabled = picked(choices.type);
        view.typeFrame = true;
        break;
    case 4:
        view.typeFrame = false;
        view.typePanel = choices.model != LD4800 ? QStringLiteral("DL Type: N/A")
                                                 : QStringLiteral("DL Type: ") + typeCaption(choices.type);
        view.line0 = QStringLiteral("WARNING:  Once the transmission of data between the gauge and the ")
                     + QStringLiteral("has computer has started, all current imported data will ")
                     + QStringLiteral("be lost.  To avoid this save current information within ")
                     + QStringLiteral("the Data tab located in the main window.");
        view.line1.clear();
        // Coming back from a download that failed, whose page had Next taken away.
        view.nextEnabled = true;
        break;
    case 5:
        view.line0 = instructions(choices.model);
        view.line1 = QStringLiteral("Make sure IR Device is placed correctly over COM PORT on Gauge. ");
        view.nextEnabled = true;
        break;
    case StartPage:
        view.line0 = startText(choices.model);
        view.line1 = QStringLiteral("Waiting to recieve data from Gauge");
        if (choices.continuous()) {
            view.previousShown = true;
            view.previousCaption = QStringLiteral("Done");
        }
        // Next has nothing to go on to until the download has ended.
        view.nextEnabled = false;
        view.choicesEnabled = false;
        view.startsDownload = true;
        break;
    case 7:
        view.receivingFrame = false;
        view.line0 = QStringLiteral("Gauge data import complete!");
        view.line1 = QStringLiteral("CAUTION:  Do not erase gauge data until download data is verified.");
        view.nextCaption = QStringLiteral("Finished");
        view.nextEnabled = true;
        view.previousShown = false;
        break;
    default:
        break;
    }
    return view;
}

WizardView WizardPages::chosen(WizardView view)
{
    view.nextEnabled = true;
    return view;
}

WizardView WizardPages::downloadEnded(WizardView view)
{
    view.choicesEnabled = true;
    view.previousCaption = QStringLiteral("Previous");
    view.previousShown = true;
    view.previousEnabled = true;
    view.nextEnabled = view.page != StartPage;
    return view;
}

} // namespace valtrane::wizard
