#pragma once

#include "common/AppPaths.h"

#include <QSplashScreen>
#include <QTimer>

namespace valtrane::app {

// The first window: the program's picture for 2500 ms, then timeUp() tells the program to show
// its main window.
class Splash : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int ShowMs = 2500;

    explicit Splash(const AppPaths &paths);

    // Shows the splash and starts its one-shot timer.
    void start();

signals:
    void timeUp();

private:
    static QPixmap picture(const AppPaths &paths);

    QTimer m_timer{this};
};

} // namespace valtrane::app
