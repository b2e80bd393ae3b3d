#include "report/ui/ReportPrinter.h"

#include "report/ReportRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace valtrane::report {

bool printReport(const ReportDocument &document, QPrinter &printer)
{
    const ReportRenderer renderer(document);
    const PageSpan span = PageSpan::chosen(renderer.pageCount(), false, printer.fromPage(), printer.toPage());
    if (span.empty() || span.first > renderer.pageCount())
        return false;
    const auto orientation = document.orientation() == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(0, 0, 0, 0)));
    // A printer that cannot make copies itself gets each page as many times as asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = span.first; page <= span.last; ++page) {
            if (!first)
                printer.newPage();
            first = false;
            painter.save();
            ReportRenderer::scaleToTwips(painter, printer.resolution());
            renderer.paintPage(page, painter);
            painter.restore();
        }
    }
    return painter.end();
}

} // namespace valtrane::report
