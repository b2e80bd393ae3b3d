#pragma once

#include <QString>

namespace valtrane::wizard {

// What the wizard shows while it waits for and receives a gauge's stream: the time panel, the
// receive message (the second message line) and the seconds spent receiving.
struct ReceiveTexts {
    QString timePanel;
    QString message;
    int elapsedSeconds = 0;
};

// The ticks of the wizard's countdown and continuous-state timers, without a window.
class ReceiveTimers {
public:
    static QString firstTimeout() { return QStringLiteral("Timeout in 29 Seconds "); }
    static QString waitingMessage() { return QStringLiteral("Waiting to recieve data from Gauge"); }
    static QString receivingMessage() { return QStringLiteral("Recieving Information from Gauge"); }

    // Every second: counts the time-out down while nothing has arrived yet, and the receiving
    // time up once characters arrive.
    static void countdownTick(ReceiveTexts &texts, bool betweenTests);
    // Every tenth of a second in a continuous download: true while a test arrives (the countdown
    // then counts the receiving time and "Done" waits), false between tests.
    static bool continuousStateTick(ReceiveTexts &texts, bool betweenTests);

    // "Time: 1 min 5 sec"
    static QString elapsedText(int seconds);
};

} // namespace valtrane::wizard
