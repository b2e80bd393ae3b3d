#include "wizard/WizardPages.h"

#include <gtest/gtest.h>

using namespace valtrane;
using wizard::WizardChoices;
using wizard::WizardPages;
using wizard::WizardView;

namespace {

WizardChoices picks(int port, int model, int type = WizardChoices::NoSelection)
{
    WizardChoices choices;
    choices.port = port;
    choices.model = model;
    choices.type = type;
    return choices;
}

// The pages Next shows from the welcome page until the one that starts the download.
std::vector<int> forwardWalk(const WizardChoices &choices)
{
    WizardView view = WizardPages::show(0, choices, {});
    std::vector<int> pages{view.page};
    while (!view.startsDownload && view.page < WizardView::ClosePage) {
        view = WizardPages::next(view, choices);
        pages.push_back(view.page);
    }
    return pages;
}

WizardView walkTo(int page, const WizardChoices &choices)
{
    WizardView view = WizardPages::show(0, choices, {});
    while (view.page < page)
        view = WizardPages::next(view, choices);
    return view;
}

} // namespace

TEST(WizardPages, OnlyTheLoggerStopsOnTheDownloadTypePageEitherWay)
{
    EXPECT_EQ(forwardWalk(picks(0, LD4800, 1)), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    const WizardView back = WizardPages::previous(walkTo(4, picks(0, LD4800, 0)), picks(0, LD4800, 0));
    EXPECT_EQ(back.page, 3);
    EXPECT_TRUE(back.typeFrame);
    EXPECT_FALSE(back.modelFrame);
    EXPECT_EQ(walkTo(4, picks(0, LD4800, 0)).typePanel, "DL Type: Single Download");
    EXPECT_EQ(walkTo(4, picks(0, LD4800, 1)).typePanel, "DL Type: Continuous Download");
    for (int model : {NG7700A, NG7700B, SG2150}) {
        EXPECT_EQ(forwardWalk(picks(0, model)), (std::vector<int>{0, 1, 2, 4, 5, 6})) << model;
        EXPECT_EQ(WizardPages::previous(walkTo(4, picks(0, model)), picks(0, model)).page, 2) << model;
        EXPECT_EQ(walkTo(4, picks(0, model, 1)).typePanel, "DL Type: N/A") << model;
    }
    EXPECT_EQ(walkTo(2, picks(0, NG7700A)).typePanel, "DL Type: None");
}

TEST(WizardPages, NextWaitsForAChoiceOnEachChoicePage)
{
    WizardChoices choices;
    WizardView view = WizardPages::next(WizardPages::show(0, choices, {}), choices);
    ASSERT_EQ(view.page, 1);
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_TRUE(view.portFrame);
    EXPECT_TRUE(view.previousShown);
    choices.port = 2;
    view = WizardPages::chosen(view);
    EXPECT_TRUE(view.nextEnabled);

    view = WizardPages::next(view, choices);
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_EQ(view.portPanel, "Port: COM3");
    EXPECT_FALSE(view.portFrame);
    EXPECT_TRUE(view.modelFrame);
    choices.model = LD4800;
    view = WizardPages::next(WizardPages::chosen(view), choices);
    ASSERT_EQ(view.page, 3);
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_EQ(view.devicePanel, "Dev: LD4800");

    // Going back to the port page keeps the port that was chosen.
    view = WizardPages::previous(WizardPages::previous(view, choices), choices);
    EXPECT_EQ(view.page, 1);
    EXPECT_TRUE(view.nextEnabled);
    EXPECT_EQ(view.devicePanel, "Dev: None");
}

TEST(WizardPages, TheSecondLineStaysUntilTheWarningPageClearsIt)
{
    const WizardChoices choices = picks(1, NG7700B);
    EXPECT_EQ(walkTo(2, choices).line1, "Click Next to continue. ");
    EXPECT_EQ(walkTo(4, choices).line1, "");
    EXPECT_EQ(walkTo(5, choices).line1, "Make sure IR Device is placed correctly over COM PORT on Gauge. ");
    EXPECT_EQ(WizardPages::previous(walkTo(5, choices), choices).line1, "");
}

TEST(WizardPages, EachGaugeGetsItsOwnInstructionsAndStartText)
{
    struct Case {
        int model;
        QString instructions;
        QString start;
    };
    const QString wait = "Please wait...";
    const QString noteBefor = "NOTE:  Gauge may finish transmitting befor program has finished processing data. ";
    const QString noteBefore = "NOTE:  Gauge may finish transmitting before program has finished processing data. ";
    const Case cases[] = {
        {LD4800, "Run selected tests on the LD4800, and make sure the LD4800 is connected to the computer through the Serial Port. ",
         "Select PRINT DATA from the LD4800. NOTE:  Gauge may finish transmitting before program has finished processing data." + wait},
        {NG7700A, "Prepare to start Infared Download from Gauge. ", "Press PRINT, located on front panel of Gauge. " + noteBefor + wait},
        {NG7700B, "Start Infared Download from Gauge.  From the Main Menu of the Gauge select Data(F1) and then select PROJECTS(F3). ",
         "Select START IR DOWNLOAD(F4) from the Gauge. " + noteBefore + wait},
        {SG2150, "Prepare to start Infared Download from Gauge. ", "Press SHIFT then PRINT, located on front panel of Gauge. " + noteBefor + wait},
    };
    for (const Case &c : cases) {
        const WizardChoices choices = picks(0, c.model, 0);
        const WizardView instructions = walkTo(5, choices);
        EXPECT_EQ(instructions.line0, c.instructions) << c.model;
        EXPECT_EQ(instructions.line1, "Make sure IR Device is placed correctly over COM PORT on Gauge. ");
        const WizardView start = walkTo(6, choices);
        EXPECT_EQ(start.line0, c.start) << c.model;
        EXPECT_EQ(start.line1, "Waiting to recieve data from Gauge");
    }
}

TEST(WizardPages, TheStartPageLocksTheChoicesAndOffersDoneOnlyForAContinuousDownload)
{
    const WizardView continuous = walkTo(6, picks(0, LD4800, 1));
    EXPECT_TRUE(continuous.startsDownload);
    EXPECT_FALSE(continuous.choicesEnabled);
    EXPECT_FALSE(continuous.nextEnabled);
    EXPECT_TRUE(continuous.previousShown);
    EXPECT_EQ(continuous.previousCaption, "Done");

    const WizardView single = walkTo(6, picks(0, LD4800, 0));
    EXPECT_EQ(single.previousCaption, "Previous");
    EXPECT_FALSE(WizardPages::next(single, picks(0, LD4800, 0)).startsDownload);
}

TEST(WizardPages, AFailedDownloadLeavesTheWayBackOpenButNotTheWayOn)
{
    const WizardChoices choices = picks(0, LD4800, 1);
    const WizardView failed = WizardPages::downloadEnded(walkTo(6, choices));
    EXPECT_TRUE(failed.choicesEnabled);
    EXPECT_FALSE(failed.nextEnabled);
    EXPECT_TRUE(failed.previousShown);
    EXPECT_EQ(failed.previousCaption, "Previous");
    const WizardView back = WizardPages::previous(failed, choices);
    EXPECT_EQ(back.page, 5);
    EXPECT_TRUE(back.nextEnabled);
    const WizardView warning = WizardPages::previous(back, choices);
    EXPECT_EQ(warning.page, 4);
    EXPECT_TRUE(warning.nextEnabled);
    EXPECT_EQ(WizardPages::next(back, choices).page, 6);
}
