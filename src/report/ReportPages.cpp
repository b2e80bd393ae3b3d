#include "report/ReportPages.h"

#include "report/ReportDocument.h"

#include <algorithm>

namespace valtrane::report {

namespace {

bool isBreak(QChar c)
{
    return c == QChar(13) || c == QChar(10);
}

bool isValueText(const TextObject &t)
{
    return t.section == Section::Details && !t.suppress;
}

int longestColumn(const ReportDocument &document)
{
    int lines = 0;
    for (const TextObject &t : document.texts())
        if (isValueText(t))
            lines = std::max(lines, ReportPages::valueLineCount(t.text));
    return lines;
}

// The bands of every page for a report whose longest column has totalLines values.
std::vector<PageBands> paginate(const ReportDocument &d, int totalLines)
{
    const int rows = std::max(1, d.rowsPerPage());
    const int lineHeight = std::max(1, d.detailsLineHeight());
    const int detailPages = std::max(1, (totalLines + rows - 1) / rows);
    const int footerTop = d.pageHeight() - d.margin() - d.sectionHeight(Section::PageFooter);
    std::vector<PageBands> pages;
    pages.reserve(detailPages + 1);
    for (int p = 0; p < detailPages; ++p) {
        PageBands b;
        int y = d.margin();
        if (p == 0) {
            b.reportHeaderTop = y;
            y += d.sectionHeight(Section::ReportHeader);
        }
        b.pageHeaderTop = y;
        b.detailsTop = y + d.sectionHeight(Section::PageHeader);
        b.firstLine = p * rows;
        b.lineCount = std::clamp(totalLines - b.firstLine, 0, rows);
        b.pageFooterTop = footerTop;
        pages.push_back(b);
    }
    const int trailing = d.sectionHeight(Section::Graph) + d.sectionHeight(Section::ReportFooter);
    PageBands &last = pages.back();
    int y = last.detailsTop + last.lineCount * lineHeight;
    if (y + trailing > footerTop && last.lineCount > 0) {
        PageBands extra;
        extra.pageHeaderTop = d.margin();
        extra.detailsTop = extra.pageHeaderTop + d.sectionHeight(Section::PageHeader);
        extra.firstLine = totalLines;
        extra.pageFooterTop = footerTop;
        pages.push_back(extra);
        y = extra.detailsTop;
    }
    pages.back().graphTop = y;
    pages.back().reportFooterTop = y + d.sectionHeight(Section::Graph);
    return pages;
}

} // namespace

PageSpan PageSpan::chosen(int pageCount, bool allPages, int first, int last)
{
    if (allPages || first <= 0 || last <= 0 || last < first)
        return {1, pageCount};
    return {first, std::min(last, pageCount)};
}

ReportPages::Shape ReportPages::shapeOf(const ReportDocument &d)
{
    Shape s{d.orientation(), d.margin(), d.rowsPerPage(), d.detailsLineHeight(), {}};
    for (int i = 0; i < 6; ++i)
        s.heights[i] = d.sectionHeight(Section(i));
    return s;
}

bool ReportPages::isCurrent() const
{
    const auto &texts = m_document.texts();
    if (texts.size() != m_lines.size() || !(shapeOf(m_document) == m_shape))
        return false;
    for (size_t i = 0; i < texts.size(); ++i) {
        const bool indexed = !m_lines[i].starts.empty();
        if (isValueText(texts[i]) != indexed)
            return false;
        if (indexed && (texts[i].text.constData() != m_lines[i].text.data() || texts[i].text.size() != m_lines[i].text.size()))
            return false;
    }
    return true;
}

ReportPages::ReportPages(const ReportDocument &document) : m_document(document), m_shape(shapeOf(document))
{
    const auto &texts = document.texts();
    m_lines.resize(texts.size());
    int totalLines = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!isValueText(texts[i]))
            continue;
        LineIndex &index = m_lines[i];
        index.text = texts[i].text;
        const QChar *data = index.text.data();
        const int n = int(index.text.size());
        int start = 0;
        for (int k = 0; k < n; ++k) {
            if (data[k] == QChar(13) || (data[k] == QChar(10) && (k == 0 || data[k - 1] != QChar(13)))) {
                index.starts.push_back(start);
                start = k + 1;
            } else if (data[k] == QChar(10)) {
                start = k + 1;
            }
        }
        if (start < n)
            index.starts.push_back(start);
        index.starts.push_back(n);
        totalLines = std::max(totalLines, int(index.starts.size()) - 1);
    }
    m_pages = paginate(document, totalLines);
}

PageBands ReportPages::bands(int page) const
{
    if (page < 1 || page > pageCount())
        return m_pages.front();
    return m_pages[page - 1];
}

int ReportPages::lineCount(int textIndex) const
{
    if (textIndex < 0 || textIndex >= int(m_lines.size()) || m_lines[textIndex].starts.empty())
        return 0;
    return int(m_lines[textIndex].starts.size()) - 1;
}

QStringView ReportPages::line(int textIndex, int line) const
{
    if (line < 0 || line >= lineCount(textIndex))
        return {};
    const LineIndex &index = m_lines[textIndex];
    int begin = index.starts[line];
    int end = index.starts[line + 1];
    while (end > begin && isBreak(index.text[end - 1]))
        --end;
    return index.text.mid(begin, end - begin);
}

int ReportPages::valueLineCount(QStringView text)
{
    int lines = 0;
    const int n = int(text.size());
    for (int k = 0; k < n; ++k)
        if (text[k] == QChar(13) || (text[k] == QChar(10) && (k == 0 || text[k - 1] != QChar(13))))
            ++lines;
    if (n > 0 && !isBreak(text[n - 1]))
        ++lines;
    return lines;
}

int ReportPages::pageCountOf(const ReportDocument &document)
{
    return int(paginate(document, longestColumn(document)).size());
}

} // namespace valtrane::report
