// Draws the program's fixed pictures: the program icon, the splash picture and the import wizard's
// connection pictures.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

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

// A round light, lit green while the gauge's port is open, grey while it is not.
QImage light(bool connected)
{
    const int size = 32;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bright = connected ? QColor(92, 214, 120) : QColor(214, 219, 225);
    const QColor deep = connected ? QColor(28, 138, 59) : QColor(136, 146, 158);
    QRadialGradient g(QPointF(12, 11), 20);
    g.setColorAt(0, bright);
    g.setColorAt(1, deep);
    p.setBrush(g);
    p.setPen(QPen(deep.darker(120), 1.5));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(9, 7, 9, 6));
    return image;
}

void put16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

// A 32-bit BMP with its alpha channel (a version 4 header with bit-field masks): Qt's own BMP
// writer leaves the alpha channel out, and the lights need their round edges.
bool saveBmp(const QImage &picture, const QString &fileName)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const quint32 headerSize = 14 + 108;
    const quint32 pixelBytes = quint32(image.width() * image.height() * 4);
    QByteArray out;
    out.append("BM");
    put32(out, headerSize + pixelBytes);
    put32(out, 0);
    put32(out, headerSize);
    put32(out, 108);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);
    put16(out, 32);
    put32(out, 3);  // bit fields
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (quint32 mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        put32(out, mask);
    put32(out, 0x73524742);  // sRGB
    out.append(QByteArray(36 + 12, '\0'));
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            put32(out, row[x]);
    }
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString images = QString::fromLocal8Bit(argv[1]);
    const bool ok = icon(48).save(images + QStringLiteral("/iricon.ico"), "ICO")
                    && splash().save(images + QStringLiteral("/splash1.png"), "PNG")
                    && saveBmp(light(true), images + QStringLiteral("/Connected.bmp"))
                    && saveBmp(light(false), images + QStringLiteral("/Unconnected.bmp"));
    return ok ? 0 : 1;
}
