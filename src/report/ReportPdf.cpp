#include "report/ReportPdf.h"

#include "common/Twips.h"
#include "report/ReportRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace valtrane::report {

bool writeReportPdf(const ReportDocument &document, QIODevice &device, const PageSpan &span)
{
    const ReportRenderer renderer(document);
    const PageSpan pages = PageSpan::chosen(renderer.pageCount(), false, span.first, span.last);
    if (pages.empty() || pages.first > renderer.pageCount())
        return false;
    QPdfWriter writer(&device);
    // At 1440 dots per inch one PDF unit is one twip: the renderer draws without scaling.
    writer.setResolution(twips::PerInch);
    writer.setCreator(QStringLiteral("Valtrane IR Download"));
    const auto orientation = document.orientation() == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int page = pages.first; page <= pages.last; ++page) {
        if (page > pages.first)
            writer.newPage();
        renderer.paintPage(page, painter);
    }
    return painter.end();
}

} // namespace valtrane::report
