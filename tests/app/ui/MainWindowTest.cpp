#include "app/ui/MainWindow.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(MainWindow, CarriesTheProgramTitle)
{
    test::TempHome home;
    AppState state;
    app::MainWindow window(home.paths(), state);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Valtrane IR Download"));
}
