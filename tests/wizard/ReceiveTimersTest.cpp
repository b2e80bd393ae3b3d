#include "wizard/ReceiveTimers.h"

#include <gtest/gtest.h>

using valtrane::wizard::ReceiveTexts;
using valtrane::wizard::ReceiveTimers;

TEST(ReceiveTimers, TheTimeoutCountsDownEverySecondUntilCharactersArriveThenTheReceivingTimeCountsUp)
{
    ReceiveTexts texts{ReceiveTimers::firstTimeout(), ReceiveTimers::waitingMessage(), 0};
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ(texts.timePanel, "Timeout in 28 Sec");
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ(texts.timePanel, "Timeout in 27 Sec");

    texts.timePanel = "Timeout in 10 Sec";
    ReceiveTimers::countdownTick(texts, true);
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ(texts.timePanel, "Timeout in 8 Sec");
    EXPECT_EQ(texts.message, ReceiveTimers::waitingMessage());
    EXPECT_EQ(texts.elapsedSeconds, 0);

    // Once characters arrive it counts the receiving time.
    texts.timePanel = "Timeout in 20 Sec";
    ReceiveTimers::countdownTick(texts, false);
    EXPECT_EQ(texts.message, "Recieving Information from Gauge");
    EXPECT_EQ(texts.timePanel, "Time: 0 min 1 sec");

    // Between two tests of a continuous download the message no longer starts with "W".
    texts.elapsedSeconds = 59;
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ(texts.timePanel, "Time: 1 min 0 sec");
    EXPECT_EQ(ReceiveTimers::elapsedText(3725), "Time: 62 min 5 sec");
}

TEST(ReceiveTimers, TheContinuousStateWaitsBetweenTestsAndReceivesDuringThem)
{
    ReceiveTexts texts{"Time: 0 min 4 sec", ReceiveTimers::receivingMessage(), 4};
    EXPECT_FALSE(ReceiveTimers::continuousStateTick(texts, true));
    EXPECT_EQ(texts.timePanel, "Waiting to Recieve...");
    EXPECT_EQ(texts.message, "Waiting to recieve data from Gauge");

    EXPECT_TRUE(ReceiveTimers::continuousStateTick(texts, false));
    EXPECT_EQ(texts.message, "Recieving Information from Gauge");
    EXPECT_EQ(texts.timePanel, "Waiting to Recieve...");
    EXPECT_EQ(texts.elapsedSeconds, 4);
}
