#pragma once

#include "report/ReportRenderer.h"

#include <QAbstractScrollArea>
#include <memory>

namespace valtrane::report {

// The pages of a report one below the other, as on paper, at a chosen zoom. Only the pages in view
// are drawn, so a report of thousands of pages opens at once.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Zoom { FitWidth, FitPage, ActualSize };

    explicit ReportPageView(QWidget *parent = nullptr);
    ~ReportPageView() override;

    void setDocument(const ReportDocument *document);
    const ReportDocument *document() const { return m_document; }
    // Lays the document out again and repaints; call after any change to it.
    void refresh();

    int pageCount() const;
    int currentPage() const;  // the page at the top of the view
    void showPage(int page);

    void setZoom(Zoom zoom);
    Zoom zoom() const { return m_zoom; }
    double pixelsPerTwip() const;

    // The page and the twips on it under a point of the viewport; false between pages.
    bool pagePoint(const QPoint &viewportPoint, int *page, QPoint *twips) const;
    // The viewport point of a place on a page.
    QPoint viewportPoint(int page, const QPoint &twips) const;

signals:
    // A left click on a page: the place in report twips and the object under it (empty if none).
    void clicked(int page, const QPoint &twips, const QString &objectName, const QPoint &globalPos);
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSizePixels() const;
    int pageTop(int page) const;  // in content pixels
    int pageLeft() const;         // in viewport pixels
    void updateScrollBars();

    const ReportDocument *m_document = nullptr;
    std::unique_ptr<ReportRenderer> m_renderer;
    Zoom m_zoom = Zoom::FitWidth;
    int m_lastPage = 0;
};

} // namespace valtrane::report
