#include "wizard/ReceiveTimers.h"

#include <QStringList>
#include <gtest/gtest.h>

using valtrane::wizard::ReceiveTexts;
using valtrane::wizard::ReceiveTimers;

TEST(ReceiveTimers, TheTimeoutCountsDownEverySecondUntilCharactersArriveThenTheReceivingTimeCountsUp)
{
    ReceiveTexts texts{ReceiveTimers::firstTimeout(), ReceiveTimers::waitingMessage(), 0};
    QStringList panels;
    for (int tick = 0; tick < 2; ++tick) {
        ReceiveTimers::countdownTick(texts, true);
        panels << texts.timePanel;
    }
    texts.timePanel = "Timeout in 10 Sec";
    ReceiveTimers::countdownTick(texts, true);
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ(panels << texts.timePanel, (QStringList{"Timeout in 28 Sec", "Timeout in 27 Sec", "Timeout in 8 Sec"}));
    EXPECT_EQ(std::pair(texts.message, texts.elapsedSeconds), std::pair(ReceiveTimers::waitingMessage(), 0));

    texts.timePanel = "Timeout in 20 Sec";
    ReceiveTimers::countdownTick(texts, false);
    EXPECT_EQ((QStringList{texts.message, texts.timePanel}), (QStringList{"Recieving Information from Gauge", "Time: 0 min 1 sec"}));

    // Between two tests of a continuous download the message no longer starts with "W".
    texts.elapsedSeconds = 59;
    ReceiveTimers::countdownTick(texts, true);
    EXPECT_EQ((QStringList{texts.timePanel, ReceiveTimers::elapsedText(3725)}), (QStringList{"Time: 1 min 0 sec", "Time: 62 min 5 sec"}));
}

TEST(ReceiveTimers, TheContinuousStateWaitsBetweenTestsAndReceivesDuringThem)
{
    ReceiveTexts texts{"Time: 0 min 4 sec", ReceiveTimers::receivingMessage(), 4};
    EXPECT_FALSE(ReceiveTimers::continuousStateTick(texts, true));
    EXPECT_EQ((QStringList{texts.timePanel, texts.message}), (QStringList{"Waiting to Recieve...", "Waiting to recieve data from Gauge"}));

    EXPECT_TRUE(ReceiveTimers::continuousStateTick(texts, false));
    EXPECT_EQ(std::tuple(texts.message, texts.timePanel, texts.elapsedSeconds),
              std::tuple(QString("Recieving Information from Gauge"), QString("Waiting to Recieve..."), 4));
}
