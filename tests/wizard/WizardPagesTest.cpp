#include "wizard/WizardPages.h"

#include <gtest/gtest.h>

using namespace valtrane;
using wizard::WizardChoices;
using wizard::WizardPages;
using wizard::WizardView;

namespace {

WizardChoices picks(int port, int model, int type = WizardChoices::NoSelection) { return {port, model, type}; }

std::vector<int> forwardWalk(const WizardChoices &choices)
{
    WizardView view = WizardPages::show(0, choices, {});
    std::vector<int> pages{view.page};
    while (!view.startsDownload && view.page < WizardView::ClosePage)
        pages.push_back((view = WizardPages::next(view, choices)).page);
    return pages;
}

WizardView walkTo(int page, const WizardChoices &choices)
{
    WizardView view = WizardPages::show(0, choices, {});
    while (view.page < page)
        view = WizardPages::next(view, choices);
    return view;
}

WizardView back(int from, const WizardChoices &choices) { return WizardPages::previous(walkTo(from, choices), choices); }

// The buttons and frames of a view: Next enabled, Previous shown, port, model and type frames, choices enabled.
std::vector<bool> switches(const WizardView &v) { return {v.nextEnabled, v.previousShown, v.portFrame, v.modelFrame, v.typeFrame, v.choicesEnabled}; }

const QString PlaceDevice = "Make sure IR Device is placed correctly over COM PORT on Gauge. ";

} // namespace

TEST(WizardPages, OnlyTheLoggerStopsOnTheDownloadTypePageEitherWay)
{
    EXPECT_EQ(forwardWalk(picks(0, LD4800, 1)), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    const WizardView loggerBack = back(4, picks(0, LD4800, 0));
    EXPECT_EQ(std::tuple(loggerBack.page, loggerBack.typeFrame, loggerBack.modelFrame), std::tuple(3, true, false));
    EXPECT_EQ(walkTo(4, picks(0, LD4800, 0)).typePanel, "DL Type: Single Download");
    EXPECT_EQ(walkTo(4, picks(0, LD4800, 1)).typePanel, "DL Type: Continuous Download");
    for (int model : {NG7700A, NG7700B, SG2150}) {
        EXPECT_EQ(forwardWalk(picks(0, model)), (std::vector<int>{0, 1, 2, 4, 5, 6})) << model;
        EXPECT_EQ(back(4, picks(0, model)).page, 2) << model;
        EXPECT_EQ(walkTo(4, picks(0, model, 1)).typePanel, "DL Type: N/A") << model;
    }
    EXPECT_EQ(walkTo(2, picks(0, NG7700A)).typePanel, "DL Type: None");
}

TEST(WizardPages, NextWaitsForAChoiceOnEachChoicePage)
{
    WizardChoices choices;
    WizardView view = WizardPages::next(WizardPages::show(0, choices, {}), choices);
    ASSERT_EQ(view.page, 1);
    EXPECT_EQ(switches(view), (std::vector<bool>{false, true, true, false, false, true}));
    choices.port = 2;
    EXPECT_TRUE(WizardPages::chosen(view).nextEnabled);

    view = WizardPages::next(WizardPages::chosen(view), choices);
    EXPECT_EQ(switches(view), (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(view.portPanel, "Port: COM3");
    choices.model = LD4800;
    view = WizardPages::next(WizardPages::chosen(view), choices);
    EXPECT_EQ(std::tuple(view.page, view.nextEnabled, view.devicePanel), std::tuple(3, false, QString("Dev: LD4800")));

    view = WizardPages::previous(WizardPages::previous(view, choices), choices);
    EXPECT_EQ(std::tuple(view.page, view.nextEnabled, view.devicePanel), std::tuple(1, true, QString("Dev: None")));
}

TEST(WizardPages, TheSecondLineStaysUntilTheWarningPageClearsIt)
{
    const WizardChoices choices = picks(1, NG7700B);
    EXPECT_EQ(walkTo(2, choices).line1, "Click Next to continue. ");
    EXPECT_EQ(walkTo(4, choices).line1, "");
    EXPECT_EQ(walkTo(5, choices).line1, PlaceDevice);
    EXPECT_EQ(back(5, choices).line1, "");
}

TEST(WizardPages, EachGaugeGetsItsOwnInstructionsAndStartText)
{
    const QString wait = "Please wait...", prepare = "Prepare to start Infared Download from Gauge. ";
    const QString befor = "NOTE:  Gauge may finish transmitting befor program has finished processing data. ";
    const QString before = "NOTE:  Gauge may finish transmitting before program has finished processing data. ";
    const std::tuple<int, QString, QString> cases[] = {
        {LD4800, "Run selected tests on the LD4800, and make sure the LD4800 is connected to the computer through the Serial Port. ",
         "Select PRINT DATA from the LD4800. " + before.trimmed() + wait},
        {NG7700A, prepare, "Press PRINT, located on front panel of Gauge. " + befor + wait},
        {NG7700B, "Start Infared Download from Gauge.  From the Main Menu of the Gauge select Data(F1) and then select PROJECTS(F3). ",
         "Select START IR DOWNLOAD(F4) from the Gauge. " + before + wait},
        {SG2150, prepare, "Press SHIFT then PRINT, located on front panel of Gauge. " + befor + wait},
    };
    for (const auto &[model, instructions, start] : cases) {
        const WizardView shown[] = {walkTo(5, picks(0, model, 0)), walkTo(6, picks(0, model, 0))};
        EXPECT_EQ((QStringList{shown[0].line0, shown[0].line1, shown[1].line0, shown[1].line1}),
                  (QStringList{instructions, PlaceDevice, start, "Waiting to recieve data from Gauge"}));
    }
}

TEST(WizardPages, TheStartPageLocksTheChoicesAndOffersDoneOnlyForAContinuousDownload)
{
    const WizardView continuous = walkTo(6, picks(0, LD4800, 1));
    EXPECT_EQ(std::tuple(continuous.startsDownload, switches(continuous), continuous.previousCaption),
              std::tuple(true, std::vector<bool>{false, true, false, false, false, false}, QString("Done")));

    const WizardView single = walkTo(6, picks(0, LD4800, 0));
    EXPECT_EQ(std::pair(single.previousCaption, WizardPages::next(single, picks(0, LD4800, 0)).startsDownload), std::pair(QString("Previous"), false));
}

TEST(WizardPages, AFailedDownloadLeavesTheWayBackOpenButNotTheWayOn)
{
    const WizardChoices choices = picks(0, LD4800, 1);
    const WizardView failed = WizardPages::downloadEnded(walkTo(6, choices));
    EXPECT_EQ(std::pair(switches(failed), failed.previousCaption), std::pair(std::vector<bool>{false, true, false, false, false, true}, QString("Previous")));
    const WizardView instructions = WizardPages::previous(failed, choices);
    const WizardView warning = WizardPages::previous(instructions, choices);
    EXPECT_EQ((std::vector<int>{instructions.page, warning.page, WizardPages::next(instructions, choices).page}), (std::vector<int>{5, 4, 6}));
    EXPECT_TRUE(instructions.nextEnabled && warning.nextEnabled);
}
