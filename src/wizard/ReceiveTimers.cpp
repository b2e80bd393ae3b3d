#include "wizard/ReceiveTimers.h"

#include "common/VbConvert.h"

#include <cmath>

namespace valtrane::wizard {

void ReceiveTimers::countdownTick(ReceiveTexts &texts, bool betweenTests)
{
    if (texts.message.startsWith(QLatin1Char('W')) && betweenTests) {
        // The seconds left stand at characters 12 and 13 of "Timeout in 29 Seconds " and of
        // "Timeout in 9 Sec".
        const double left = vb::toDouble(QStringView(texts.timePanel).mid(11, 2)).value_or(0.0);
        texts.timePanel = QStringLiteral("Timeout in ") + QString::number(std::trunc(left) - 1) + QStringLiteral(" Sec");
        return;
    }
    texts.message = receivingMessage();
    ++texts.elapsedSeconds;
    texts.timePanel = elapsedText(texts.elapsedSeconds);
}

bool ReceiveTimers::continuousStateTick(ReceiveTexts &texts, bool betweenTests)
{
    if (betweenTests) {
        texts.timePanel = QStringLiteral("Waiting to Recieve...");
        texts.message = waitingMessage();
        return false;
    }
    texts.message = receivingMessage();
    return true;
}

QString ReceiveTimers::elapsedText(int seconds)
{
    return QStringLiteral("Time: ") + QString::number(seconds / 60) + QStringLiteral(" min ") + QString::number(seconds % 60)
           + QStringLiteral(" sec");
}

} // namespace valtrane::wizard
