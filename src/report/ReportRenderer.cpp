#include "report/ReportRenderer.h"

#include "common/Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace valtrane::report {

namespace {

// Border lines are a hairline on paper: 3/4 point.
constexpr int BorderWidth = 15;
constexpr int TwipsPerPoint = 20;

int bandTop(const PageBands &b, Section section)
{
    switch (section) {
    case Section::ReportHeader: return b.reportHeaderTop;
    case Section::PageHeader: return b.pageHeaderTop;
    case Section::Details: return b.detailsTop;
    case Section::Graph: return b.graphTop;
    case Section::PageFooter: return b.pageFooterTop;
    case Section::ReportFooter: return b.reportFooterTop;
    }
    return -1;
}

QFont objectFont(const TextObject &t)
{
    QFont font(t.fontFamily);
    font.setPixelSize(std::max(1, int(std::lround(t.fontSize * TwipsPerPoint))));
    font.setBold(t.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The default alignment reads as left: every value of a report is a text.
Qt::Alignment horizontal(int alignment)
{
    if (alignment == CentreAlign)
        return Qt::AlignHCenter;
    if (alignment == RightAlign)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

void drawBorders(QPainter &painter, const TextObject &t, const QRect &r)
{
    if (!(t.leftLine || t.rightLine || t.topLine || t.bottomLine))
        return;
    painter.save();
    painter.setPen(QPen(Qt::black, BorderWidth, Qt::SolidLine, Qt::FlatCap));
    if (t.leftLine == SingleLine)
        painter.drawLine(QLineF(r.left(), r.top(), r.left(), r.top() + r.height()));
    if (t.rightLine == SingleLine)
        painter.drawLine(QLineF(r.left() + r.width(), r.top(), r.left() + r.width(), r.top() + r.height()));
    if (t.topLine == SingleLine)
        painter.drawLine(QLineF(r.left(), r.top(), r.left() + r.width(), r.top()));
    if (t.bottomLine == SingleLine)
        painter.drawLine(QLineF(r.left(), r.top() + r.height(), r.left() + r.width(), r.top() + r.height()));
    painter.restore();
}

} // namespace

ReportRenderer::ReportRenderer(const ReportDocument &document)
    : m_document(document), m_printTime(QDateTime::currentDateTime())
{
    layout();
}

void ReportRenderer::layout() const
{
    m_pages.emplace(m_document);
}

const ReportPages &ReportRenderer::pages() const
{
    // The line index points into the document's texts: a changed text is indexed again before use.
    if (!m_pages->isCurrent())
        layout();
    return *m_pages;
}

void ReportRenderer::scaleToTwips(QPainter &painter, double dotsPerInch)
{
    const double s = dotsPerInch / twips::PerInch;
    painter.scale(s, s);
}

QRect ReportRenderer::objectRect(const PageBands &b, const TextObject &t) const
{
    const int top = bandTop(b, t.section);
    if (top < 0)
        return {};
    int height = t.height;
    if (t.section == Section::Details) {
        // The details band ends at the page's last value line: borders stop with the values.
        const int band = b.lineCount * m_document.detailsLineHeight();
        height = std::min(height, band - t.top);
        if (height <= 0)
            return {};
    }
    return QRect(t.left, top + t.top, t.width, height);
}

QString ReportRenderer::shownText(const TextObject &t, int page) const
{
    switch (t.field) {
    case PrintField::PageNumberOfCount:
        return QStringLiteral("Page %1 of %2").arg(page).arg(pageCount());
    // Dates and times as a US lab writes them on paper, whatever the computer's language.
    case PrintField::PrintDate:
        return m_printTime.date().toString(QStringLiteral("M/d/yyyy"));
    case PrintField::PrintTime:
        return m_printTime.time().toString(QStringLiteral("h:mm:ss AP"));
    case PrintField::None:
        break;
    }
    QString text = t.text;
    text.replace(QChar(13) + QString(QChar(10)), QString(QChar(10))).replace(QChar(13), QChar(10));
    return text;
}

void ReportRenderer::paintText(QPainter &painter, const TextObject &t, const QRect &r, int page) const
{
    drawBorders(painter, t, r);
    const QString text = shownText(t, page);
    if (text.trimmed().isEmpty())
        return;
    painter.setFont(objectFont(t));
    const QRect inner = r.adjusted(t.leftIndent, 0, -t.rightIndent, 0);
    painter.drawText(inner, int(horizontal(t.horAlignment) | Qt::AlignTop | Qt::TextWordWrap), text);
}

void ReportRenderer::paintValues(QPainter &painter, int textIndex, const QRect &r, const PageBands &b) const
{
    const TextObject &t = m_document.texts()[textIndex];
    drawBorders(painter, t, r);
    const QFont font = objectFont(t);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const int lineHeight = m_document.detailsLineHeight();
    const double lead = (lineHeight - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    const int left = r.left() + t.leftIndent;
    const int right = r.left() + r.width() - t.rightIndent;
    const Qt::Alignment align = horizontal(t.horAlignment);
    const ReportPages &index = pages();
    const int last = std::min(b.firstLine + b.lineCount, index.lineCount(textIndex));
    for (int line = b.firstLine; line < last; ++line) {
        const QStringView value = index.line(textIndex, line);
        if (value.trimmed().isEmpty())
            continue;
        const QString s = QString::fromRawData(value.data(), value.size());
        double x = left;
        if (align != Qt::AlignLeft) {
            const double w = metrics.horizontalAdvance(s);
            x = align == Qt::AlignRight ? right - w : (left + right - w) / 2;
        }
        const double y = r.top() + (line - b.firstLine) * lineHeight + lead;
        painter.drawText(QPointF(x, y), s);
    }
}

void ReportRenderer::paintPage(int page, QPainter &painter) const
{
    if (page < 1 || page > pageCount())
        return;
    const PageBands b = pages().bands(page);
    painter.save();
    painter.setPen(Qt::black);
    for (const PictureObject &p : m_document.pictures()) {
        const int top = bandTop(b, p.section);
        if (top >= 0)
            painter.drawImage(QRect(p.left, top + p.top, p.width, p.height), p.image);
    }
    const auto &texts = m_document.texts();
    for (int i = 0; i < int(texts.size()); ++i) {
        const TextObject &t = texts[i];
        if (t.suppress)
            continue;
        const QRect r = objectRect(b, t);
        if (r.isNull())
            continue;
        if (t.section == Section::Details)
            paintValues(painter, i, r, b);
        else
            paintText(painter, t, r, page);
    }
    painter.restore();
}

QString ReportRenderer::objectAt(int page, QPoint twips) const
{
    if (page < 1 || page > pageCount())
        return {};
    const PageBands b = pages().bands(page);
    const auto &texts = m_document.texts();
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        if (it->suppress)
            continue;
        const QRect r = objectRect(b, *it);
        if (!r.isNull() && r.contains(twips))
            return it->name;
    }
    const auto &pictures = m_document.pictures();
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        const int top = bandTop(b, it->section);
        if (top >= 0 && QRect(it->left, top + it->top, it->width, it->height).contains(twips))
            return it->name;
    }
    return {};
}

} // namespace valtrane::report
