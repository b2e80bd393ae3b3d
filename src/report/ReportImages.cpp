#include "report/ReportImages.h"

#include "common/Twips.h"
#include "report/ReportRenderer.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>

namespace valtrane::report {

QImage reportPageImage(const ReportRenderer &renderer, int page, double dotsPerInch)
{
    QImage image(twips::toPixels(renderer.pageWidth(), dotsPerInch), twips::toPixels(renderer.pageHeight(), dotsPerInch),
                 QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    ReportRenderer::scaleToTwips(painter, dotsPerInch);
    renderer.paintPage(page, painter);
    return image;
}

bool writeReportPages(const ReportDocument &document, const QString &folder, const PageSpan &span, double dotsPerInch)
{
    const ReportRenderer renderer(document);
    const PageSpan pages = PageSpan::chosen(renderer.pageCount(), false, span.first, span.last);
    if (pages.empty() || pages.first > renderer.pageCount() || !QDir().mkpath(folder))
        return false;
    for (int page = pages.first; page <= pages.last; ++page) {
        QSaveFile file(QDir(folder).filePath(QStringLiteral("page-%1.png").arg(page, 3, 10, QChar('0'))));
        if (!file.open(QIODevice::WriteOnly) || !reportPageImage(renderer, page, dotsPerInch).save(&file, "PNG")
            || !file.commit())
            return false;
    }
    return true;
}

} // namespace valtrane::report
