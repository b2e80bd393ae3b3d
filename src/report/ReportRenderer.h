#pragma once

#include "report/ReportDocument.h"
#include "report/ReportPages.h"

#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;

namespace valtrane::report {

// Draws the pages of a report with a QPainter: one code path for the preview, the printer, PDF and
// page pictures, so what the preview shows is what prints. The painter works in twips from the top
// left of the paper (scaleToTwips sets that up for a device of a given resolution).
class ReportRenderer {
public:
    explicit ReportRenderer(const ReportDocument &document);

    // Measures the pages again. Drawing does it by itself when the document has changed since.
    void layout() const;
    const ReportPages &pages() const;
    int pageCount() const { return pages().pageCount(); }
    int pageWidth() const { return m_document.pageWidth(); }
    int pageHeight() const { return m_document.pageHeight(); }

    // The moment the print date and time fields show; now, when the renderer was made.
    void setPrintTime(const QDateTime &when) { m_printTime = when; }

    // Paints page `page` (1-based) in twips; a page out of range paints nothing.
    void paintPage(int page, QPainter &painter) const;

    // The visible object under a point of a page (twips from the paper's top left), the topmost
    // one drawn; empty when there is none.
    QString objectAt(int page, QPoint twips) const;

    static void scaleToTwips(QPainter &painter, double dotsPerInch);

    // Where an object sits on a page with these bands, in twips; a null rectangle when its band is
    // not on the page (details objects end with the page's last value line).
    QRect objectRect(const PageBands &bands, const TextObject &object) const;
    // The text an object shows on a page: its own, or the field's, with line feeds between lines.
    QString shownText(const TextObject &object, int page) const;

private:
    void paintText(QPainter &painter, const TextObject &object, const QRect &rect, int page) const;
    void paintValues(QPainter &painter, int textIndex, const QRect &rect, const PageBands &bands) const;

    const ReportDocument &m_document;
    mutable std::optional<ReportPages> m_pages;
    QDateTime m_printTime;
};

} // namespace valtrane::report
