// The report engine: a 2,000-line, 18-column report to PDF against a bare QPdfWriter loop drawing
// the same strings at the same places, and to rich text; a 150,000-line report laid out and its
// first page drawn as the preview draws it. Each figure the median of three.
#include "Bench.h"

#include "report/ReportDocument.h"
#include "report/ReportImages.h"
#include "report/ReportPdf.h"
#include "report/ReportRenderer.h"
#include "report/ReportRtf.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <ctime>

using namespace valtrane;
using namespace valtrane::report;

namespace {

constexpr int Columns = 18;

ReportDocument columnsReport(int lines)
{
    ReportDocument d;
    d.setOrientation(Landscape);
    d.setSectionHeight(Section::ReportHeader, 1000);
    d.setSectionHeight(Section::PageHeader, 500);
    d.setSectionHeight(Section::PageFooter, 360);
    d.setDetailsLineHeight(190);
    for (int c = 0; c < Columns; ++c) {
        TextObject head;
        head.name = QStringLiteral("Col %1").arg(c + 1);
        head.section = Section::PageHeader;
        head.text = head.name;
        head.left = 540 + c * 820;
        head.width = 820;
        head.height = 400;
        head.horAlignment = CentreAlign;
        head.bottomLine = SingleLine;
        d.addText(head);
        TextObject data = head;
        data.name = QStringLiteral("Data%1").arg(c + 1);
        data.section = Section::Details;
        data.horAlignment = RightAlign;
        data.leftLine = SingleLine;
        data.height = 50 * 190;
        data.text.clear();
        data.text.reserve(lines * 8);
        for (int r = 1; r <= lines; ++r)
            data.text += QString::number(r * 0.37 + c, 'f', 2) + QChar(13);
        d.addText(data);
    }
    return d;
}

double median3(const std::function<void()> &f)
{
    double t[3] = {bench::seconds(f), bench::seconds(f), bench::seconds(f)};
    std::sort(t, t + 3);
    return t[1];
}

// Processor seconds of one run: on a shared machine the wall clock also counts other people's work.
double cpuSeconds(const std::function<void()> &f)
{
    const std::clock_t start = std::clock();
    f();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

// The same strings at the same places, straight onto a QPdfWriter.
void barePdf(const ReportDocument &d)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1440);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF()));
    const ReportPages pages(d);
    QPainter painter(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(180);
    painter.setFont(font);
    for (int page = 1; page <= pages.pageCount(); ++page) {
        if (page > 1)
            writer.newPage();
        const PageBands b = pages.bands(page);
        for (int i = 0; i < int(d.texts().size()); ++i) {
            const TextObject &t = d.texts()[i];
            if (t.section == Section::PageHeader)
                painter.drawText(QPointF(t.left, b.pageHeaderTop + 200), t.text);
            for (int line = b.firstLine; line < b.firstLine + b.lineCount && t.section == Section::Details; ++line)
                painter.drawText(QPointF(t.left, b.detailsTop + (line - b.firstLine) * 190 + 150),
                                 pages.line(i, line).toString());
        }
    }
}

long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return 0;
}

bench::Register longReport("report: 150,000 value lines laid out, first page shown", [](bench::BenchReport &r) {
    const ReportDocument d = columnsReport(150000);
    const double t = median3([&] {
        const ReportRenderer renderer(d);
        reportPageImage(renderer, 1, 96);
    });
    r.figure("layout + first page (18 columns)", t, "s");
    r.ratio("against the 2 s limit", t, 2.0, 1.0);
    r.figure("resident memory now", statusKb("VmRSS:") / 1024.0, "MB");
    r.figure("peak resident memory of the bench so far", statusKb("VmHWM:") / 1024.0, "MB");
});

bench::Register pdfReport("report: 2,000 value lines in 18 columns to PDF and rich text", [](bench::BenchReport &r) {
    const ReportDocument d = columnsReport(2000);
    r.figure("pages", d.pageCount(), "");
    const auto engineRun = [&] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        writeReportPdf(d, buffer, PageSpan{1, d.pageCount()});
    };
    const double engine = median3(engineRun);
    const double bare = median3([&] { barePdf(d); });
    r.figure("report engine to PDF", engine, "s");
    r.figure("bare QPdfWriter loop, same strings", bare, "s");
    r.ratio("engine / bare loop", engine, bare, 2.0);
    r.ratio("engine against the 1 s limit", engine, 1.0, 1.0);
    r.figure("report engine to PDF, processor time", cpuSeconds(engineRun), "s");
    const double rtf = median3([&] { reportRtf(d, PageSpan{1, d.pageCount()}); });
    r.figure("report engine to rich text", rtf, "s");
    r.ratio("rich text against the 0.5 s limit", rtf, 0.5, 1.0);
});

} // namespace
