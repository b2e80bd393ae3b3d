#include "report/ui/ReportPageView.h"

#include "common/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace valtrane::report {

namespace {

constexpr int Gap = 12;  // pixels of desk around and between the sheets

} // namespace

ReportPageView::ReportPageView(QWidget *parent) : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
}

ReportPageView::~ReportPageView() = default;

void ReportPageView::setDocument(const ReportDocument *document)
{
    m_document = document;
    m_renderer = document ? std::make_unique<ReportRenderer>(*document) : nullptr;
    verticalScrollBar()->setValue(0);
    refresh();
}

void ReportPageView::refresh()
{
    if (m_renderer)
        m_renderer->layout();
    updateScrollBars();
    viewport()->update();
}

int ReportPageView::pageCount() const
{
    return m_renderer ? m_renderer->pageCount() : 0;
}

double ReportPageView::pixelsPerTwip() const
{
    if (!m_document)
        return 1.0;
    const double widthFit = double(viewport()->width() - 2 * Gap) / m_document->pageWidth();
    const double heightFit = double(viewport()->height() - 2 * Gap) / m_document->pageHeight();
    switch (m_zoom) {
    case Zoom::FitWidth: return std::max(0.005, widthFit);
    case Zoom::FitPage: return std::max(0.005, std::min(widthFit, heightFit));
    case Zoom::ActualSize: break;
    }
    return logicalDpiX() / double(twips::PerInch);
}

QSize ReportPageView::pageSizePixels() const
{
    if (!m_document)
        return {};
    const double s = pixelsPerTwip();
    return QSize(int(std::lround(m_document->pageWidth() * s)), int(std::lround(m_document->pageHeight() * s)));
}

int ReportPageView::pageTop(int page) const
{
    return Gap + (page - 1) * (pageSizePixels().height() + Gap);
}

int ReportPageView::pageLeft() const
{
    const int free = viewport()->width() - pageSizePixels().width();
    return free > 2 * Gap ? free / 2 : Gap - horizontalScrollBar()->value();
}

void ReportPageView::updateScrollBars()
{
    const QSize page = pageSizePixels();
    const int contentHeight = pageCount() * (page.height() + Gap) + Gap;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * Gap - viewport()->width()));
}

int ReportPageView::currentPage() const
{
    if (pageCount() == 0)
        return 0;
    const int pitch = pageSizePixels().height() + Gap;
    const int middle = verticalScrollBar()->value() + std::min(viewport()->height(), pitch) / 2;
    return std::clamp(middle / std::max(1, pitch) + 1, 1, pageCount());
}

void ReportPageView::showPage(int page)
{
    if (pageCount() == 0)
        return;
    verticalScrollBar()->setValue(pageTop(std::clamp(page, 1, pageCount())) - Gap);
}

void ReportPageView::setZoom(Zoom zoom)
{
    const int page = currentPage();
    m_zoom = zoom;
    updateScrollBars();
    showPage(page);
    viewport()->update();
}

bool ReportPageView::pagePoint(const QPoint &viewportPoint, int *page, QPoint *twips) const
{
    if (pageCount() == 0)
        return false;
    const QSize size = pageSizePixels();
    const int y = viewportPoint.y() + verticalScrollBar()->value() - Gap;
    const int p = y / (size.height() + Gap) + 1;
    const QPoint onPage(viewportPoint.x() - pageLeft(), y - (p - 1) * (size.height() + Gap));
    if (y < 0 || p > pageCount() || !QRect(QPoint(0, 0), size).contains(onPage))
        return false;
    const double s = pixelsPerTwip();
    *page = p;
    *twips = QPoint(int(std::lround(onPage.x() / s)), int(std::lround(onPage.y() / s)));
    return true;
}

QPoint ReportPageView::viewportPoint(int page, const QPoint &twips) const
{
    const double s = pixelsPerTwip();
    return QPoint(pageLeft() + int(std::lround(twips.x() * s)),
                  pageTop(page) - verticalScrollBar()->value() + int(std::lround(twips.y() * s)));
}

void ReportPageView::paintEvent(QPaintEvent *)
{
    if (!m_renderer)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize size = pageSizePixels();
    const int pitch = size.height() + Gap;
    const int scroll = verticalScrollBar()->value();
    const int first = std::max(1, (scroll - Gap) / std::max(1, pitch) + 1);
    const int last = std::min(pageCount(), (scroll + viewport()->height()) / std::max(1, pitch) + 1);
    for (int page = first; page <= last; ++page) {
        const QRect sheet(QPoint(pageLeft(), pageTop(page) - scroll), size);
        painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 60));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(pixelsPerTwip(), pixelsPerTwip());
        m_renderer->paintPage(page, painter);
        painter.restore();
    }
}

void ReportPageView::resizeEvent(QResizeEvent *event)
{
    const int page = currentPage();
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (m_zoom != Zoom::ActualSize && page > 0)
        showPage(page);
}

void ReportPageView::mousePressEvent(QMouseEvent *event)
{
    int page = 0;
    QPoint twips;
    if (event->button() != Qt::LeftButton || !m_renderer || !pagePoint(event->position().toPoint(), &page, &twips)) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    emit clicked(page, twips, m_renderer->objectAt(page, twips), event->globalPosition().toPoint());
}

void ReportPageView::scrollContentsBy(int, int)
{
    viewport()->update();
    const int page = currentPage();
    if (page != m_lastPage) {
        m_lastPage = page;
        emit currentPageChanged(page);
    }
}

} // namespace valtrane::report
