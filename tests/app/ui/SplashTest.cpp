#include "app/ui/Splash.h"
#include "support/TempHome.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace valtrane;

TEST(Splash, ShowsFor2500MillisecondsOnceThenAsksForTheMainWindow)
{
    test::TempHome home;
    home.writeFile("images/splash1.png", QByteArray());
    app::Splash splash(home.paths());
    int timeUps = 0;
    QObject::connect(&splash, &app::Splash::timeUp, [&] { ++timeUps; });
    splash.start();
    auto *timer = splash.findChild<QTimer *>();
    ASSERT_TRUE(timer);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.pixmap().isNull());
    EXPECT_EQ(std::tuple(timer->isActive(), timer->isSingleShot(), timer->interval()), std::tuple(true, true, 2500));

    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(timeUps, 1);
    EXPECT_FALSE(timer->isActive());
}
