#include "report/ReportRtf.h"

#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QStringList>

namespace valtrane::report {

namespace {

constexpr int BorderFrame = 20;  // twips: the height or width of a frame that only draws a line

void appendEscaped(QByteArray &out, QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else if (u >= 0x20) {
            out += "\\u" + QByteArray::number(int(static_cast<qint16>(u))) + '?';
        }
    }
}

QByteArray alignmentWord(int alignment)
{
    if (alignment == CentreAlign)
        return "\\qc";
    if (alignment == RightAlign)
        return "\\qr";
    return "\\ql";
}

// The opening of a paragraph in a frame placed on the page at r. A negative height is exact.
QByteArray frame(const QRect &r, int height)
{
    return "\\pard\\plain\\phpg\\pvpg\\posx" + QByteArray::number(r.left()) + "\\posy" + QByteArray::number(r.top())
           + "\\absw" + QByteArray::number(std::max(r.width(), BorderFrame)) + "\\absh" + QByteArray::number(height)
           + "\\dxfrtext0\\dfrmtxtx0\\dfrmtxty0\\nowrap";
}

class RtfPages {
public:
    explicit RtfPages(const ReportDocument &document) : m_document(document), m_renderer(document)
    {
        for (const TextObject &t : document.texts())
            if (!m_fonts.contains(t.fontFamily))
                m_fonts << t.fontFamily;
    }

    QByteArray write(const PageSpan &span)
    {
        header();
        for (int page = span.first; page <= span.last; ++page) {
            if (page > span.first)
                m_out += "\\pard\\plain\\fs2\\page\\par\n";
            const PageBands bands = m_renderer.pages().bands(page);
            for (const PictureObject &p : m_document.pictures())
                picture(bands, p);
            const auto &texts = m_document.texts();
            for (int i = 0; i < int(texts.size()); ++i)
                if (!texts[i].suppress)
                    object(page, bands, i);
        }
        m_out += "\\pard\\plain\\fs2\\par\n}\n";
        return m_out;
    }

private:
    void header()
    {
        const QByteArray w = QByteArray::number(m_document.pageWidth());
        const QByteArray h = QByteArray::number(m_document.pageHeight());
        m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int f = 0; f < m_fonts.size(); ++f) {
            m_out += "{\\f" + QByteArray::number(f) + "\\fswiss\\fcharset0 ";
            appendEscaped(m_out, m_fonts[f]);
            m_out += ";}";
        }
        m_out += "}\n\\paperw" + w + "\\paperh" + h + "\\margl0\\margr0\\margt0\\margb0";
        m_out += "\n\\sectd\\pgwsxn" + w + "\\pghsxn" + h + "\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0";
        if (m_document.orientation() == Landscape)
            m_out += "\\lndscpsxn";
        m_out += '\n';
    }

    QByteArray characterFormat(const TextObject &t) const
    {
        QByteArray f = "\\f" + QByteArray::number(m_fonts.indexOf(t.fontFamily)) + "\\fs"
                       + QByteArray::number(int(std::lround(t.fontSize * 2)));
        return t.bold ? f + "\\b " : f + ' ';
    }

    void borderLines(const TextObject &t, const QRect &r)
    {
        const auto line = [&](const QRect &at, const char *side, int height) {
            m_out += frame(at, -height) + "\\brdr" + side + "\\brdrs\\brdrw15\\brsp0\\sl-"
                     + QByteArray::number(height) + "\\slmult0\\fs2\\par\\pard\n";
        };
        if (t.leftLine == SingleLine)
            line(QRect(r.left(), r.top(), BorderFrame, r.height()), "l", r.height());
        if (t.rightLine == SingleLine)
            line(QRect(r.left() + r.width(), r.top(), BorderFrame, r.height()), "l", r.height());
        if (t.topLine == SingleLine)
            line(QRect(r.left(), r.top(), r.width(), BorderFrame), "t", BorderFrame);
        if (t.bottomLine == SingleLine)
            line(QRect(r.left(), r.top() + r.height(), r.width(), BorderFrame), "t", BorderFrame);
    }

    void object(int page, const PageBands &bands, int index)
    {
        const TextObject &t = m_document.texts()[index];
        const QRect r = m_renderer.objectRect(bands, t);
        if (r.isNull())
            return;
        QStringList lines;
        int height = r.height();
        if (t.section == Section::Details) {
            const ReportPages &pages = m_renderer.pages();
            const int last = std::min(bands.firstLine + bands.lineCount, pages.lineCount(index));
            for (int line = bands.firstLine; line < last; ++line)
                lines << pages.line(index, line).toString();
            height = -std::max(1, int(lines.size())) * m_document.detailsLineHeight();
        } else {
            lines = m_renderer.shownText(t, page).split(QChar(10));
        }
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        // Lines after the text: a frame drawn later would hide them.
        if (lines.isEmpty())
            return borderLines(t, r);
        QByteArray paragraph = frame(r, height) + alignmentWord(t.horAlignment) + "\\li" + QByteArray::number(t.leftIndent)
                               + "\\ri" + QByteArray::number(t.rightIndent);
        if (t.section == Section::Details)
            paragraph += "\\sl-" + QByteArray::number(m_document.detailsLineHeight()) + "\\slmult0";
        m_out += paragraph + characterFormat(t);
        for (int i = 0; i < lines.size(); ++i) {
            appendEscaped(m_out, lines[i]);
            m_out += i + 1 < lines.size() ? "\\par\n" : "\\par\\pard\n";
        }
        borderLines(t, r);
    }

    void picture(const PageBands &bands, const PictureObject &p)
    {
        const int top = p.section == Section::ReportHeader ? bands.reportHeaderTop
                        : p.section == Section::PageHeader ? bands.pageHeaderTop
                        : p.section == Section::PageFooter ? bands.pageFooterTop
                        : p.section == Section::Graph      ? bands.graphTop
                        : p.section == Section::ReportFooter ? bands.reportFooterTop
                                                             : bands.detailsTop;
        if (top < 0)
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!p.image.save(&buffer, "PNG"))
            return;
        const QRect r(p.left, top + p.top, p.width, p.height);
        m_out += frame(r, -p.height) + "\\fs2{\\pict\\pngblip\\picw" + QByteArray::number(p.image.width()) + "\\pich"
                 + QByteArray::number(p.image.height()) + "\\picwgoal" + QByteArray::number(p.width) + "\\pichgoal"
                 + QByteArray::number(p.height) + '\n' + png.toHex() + "}\\par\\pard\n";
    }

    const ReportDocument &m_document;
    ReportRenderer m_renderer;
    QStringList m_fonts;
    QByteArray m_out;
};

} // namespace

QByteArray reportRtf(const ReportDocument &document, const PageSpan &span)
{
    RtfPages pages(document);
    const PageSpan chosen = PageSpan::chosen(document.pageCount(), false, span.first, span.last);
    if (chosen.empty() || chosen.first > document.pageCount())
        return {};
    return pages.write(chosen);
}

} // namespace valtrane::report
