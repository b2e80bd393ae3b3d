#include "app/ui/Splash.h"

#include "common/ProgramInfo.h"

#include <QPainter>

namespace valtrane::app {

Splash::Splash(const AppPaths &paths)
    : QSplashScreen(picture(paths))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(ShowMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timer.stop();
        emit timeUp();
    });
}

void Splash::start()
{
    show();
    m_timer.start();
}

QPixmap Splash::picture(const AppPaths &paths)
{
    QPixmap pixmap(paths.image(QStringLiteral("splash1.png")));
    if (!pixmap.isNull())
        return pixmap;
    // Without its picture the splash still names the program.
    pixmap = QPixmap(480, 270);
    pixmap.fill(QColor(24, 62, 110));
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(20);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, program::title());
    return pixmap;
}

} // namespace valtrane::app
