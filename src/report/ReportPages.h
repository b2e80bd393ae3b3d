#pragma once

#include <QStringView>
#include <vector>

namespace valtrane::report {

class ReportDocument;

// The pages a print run covers. first and last are 1-based and inclusive; empty when last < first.
struct PageSpan {
    int first = 1;
    int last = 0;
    bool empty() const { return last < first; }
    int count() const { return empty() ? 0 : last - first + 1; }

    // All pages, or first to last when both are positive and last >= first (clipped to the report).
    static PageSpan chosen(int pageCount, bool allPages, int first, int last);
};

// Where the bands of one page start, in twips from the top of the paper, and which value lines the
// details band shows. A band that is not on the page has top -1.
struct PageBands {
    int reportHeaderTop = -1;
    int pageHeaderTop = 0;
    int detailsTop = 0;
    int firstLine = 0;
    int lineCount = 0;
    int graphTop = -1;
    int reportFooterTop = -1;
    int pageFooterTop = 0;
};

// The layout pass: pages of a document, measured once before any page is drawn, so "Page N of M"
// is known on page 1 and a page of a long report is drawn without walking the texts before it.
// The report header opens page 1 only; the page header and footer are on every page; the graph
// and the report footer follow the last value line, on a page of their own when they do not fit.
// Holds views into the document's texts: lay out again after any change to the document.
class ReportPages {
public:
    explicit ReportPages(const ReportDocument &document);

    int pageCount() const { return int(m_pages.size()); }
    PageBands bands(int page) const;  // page 1-based; page 1 for anything out of range

    // Value line `line` (0-based) of the details text at `textIndex` in document.texts(); empty
    // past its last line or for a text that is not a visible details text.
    QStringView line(int textIndex, int line) const;
    int lineCount(int textIndex) const;

    // Value lines in a details text: lines end at a carriage return (or a line feed, or both).
    static int valueLineCount(QStringView text);
    static int pageCountOf(const ReportDocument &document);

    // False once the document has changed in a way that moves lines or pages since this layout.
    bool isCurrent() const;

private:
    struct LineIndex {
        QStringView text;
        std::vector<int> starts;  // start of each line, then one past the end of the text
    };

    struct Shape {
        int orientation, margin, rowsPerPage, lineHeight;
        int heights[6];
        bool operator==(const Shape &) const = default;
    };
    static Shape shapeOf(const ReportDocument &document);

    const ReportDocument &m_document;
    Shape m_shape;
    std::vector<LineIndex> m_lines;  // by text index
    std::vector<PageBands> m_pages;
};

} // namespace valtrane::report
