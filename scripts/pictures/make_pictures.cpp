// Draws the program's fixed pictures: the program icon and the splash picture.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(20, 52, 96);
const QColor Blue(38, 104, 170);
const QColor Glow(255, 112, 48);

void drawWaves(QPainter &p, QPointF origin, qreal first, qreal step, qreal width)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = first + i * step;
        QColor c = Glow;
        c.setAlphaF(1.0 - i * 0.25);
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, Blue);
    g.setColorAt(1, Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.2, s * 0.2);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(s * 0.42));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(s * 0.08, s * 0.18, s * 0.56, s * 0.64), Qt::AlignCenter, QStringLiteral("IR"));
    drawWaves(p, QPointF(s * 0.55, s * 0.5), s * 0.16, s * 0.1, std::max(1.5, s * 0.055));
    return image;
}

QImage splash()
{
    const int w = 560;
    const int h = 320;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, Blue);
    g.setColorAt(1, Navy);
    p.fillRect(image.rect(), g);

    drawWaves(p, QPointF(w - 100, h / 2.0 - 70), 36, 24, 7);
    p.drawImage(QPointF(40, 48), icon(72));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(34);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(40, 140, w - 80, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Valtrane IR Download"));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(210, 225, 242));
    p.drawText(QRectF(40, 186, w - 80, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Gauge data download, browsing and reports"));
    p.setPen(QColor(170, 195, 225));
    p.drawText(QRectF(40, h - 52, w - 80, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Loading..."));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString images = QString::fromLocal8Bit(argv[1]);
    const bool ok = icon(48).save(images + QStringLiteral("/iricon.ico"), "ICO") && splash().save(images + QStringLiteral("/splash1.png"), "PNG");
    return ok ? 0 : 1;
}
