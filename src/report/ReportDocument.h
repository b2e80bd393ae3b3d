#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace valtrane::report {

// Where an object of a report lives. The page header repeats on every page; the details area holds
// the column values, one value per printed line, and grows over as many pages as the values need.
enum class Section { ReportHeader, PageHeader, Details, Graph, PageFooter, ReportFooter };

enum HorAlignment { DefaultAlign = 0, LeftAlign = 1, CentreAlign = 2, RightAlign = 3 };
enum LineStyle { NoLine = 0, SingleLine = 1 };
enum Orientation { Portrait = 1, Landscape = 2 };

// A text the renderer fills in when it draws a page, in place of the object's own text.
enum class PrintField { None, PageNumberOfCount, PrintDate, PrintTime };

// A named text of the report. Positions and sizes are in twips, relative to the top left of the
// section's band (the details band starts below the page header on every page). Lines of the text
// are separated by carriage returns (character 13); in the details section each line is one value.
struct TextObject {
    QString name;
    Section section = Section::ReportHeader;
    QString text;
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontSize = 9;
    bool bold = false;
    int horAlignment = DefaultAlign;
    int leftIndent = 0;
    int rightIndent = 0;
    bool suppress = false;  // hidden: neither shown, printed nor exported
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int leftLine = NoLine;
    int rightLine = NoLine;
    int topLine = NoLine;
    int bottomLine = NoLine;
    PrintField field = PrintField::None;  // "Page N of M", the print date or time

    bool operator==(const TextObject &) const = default;
};

// A picture placed on a section from a file, at a position in twips.
struct PictureObject {
    QString name;
    Section section = Section::ReportHeader;
    QImage image;
    QString fileName;
    int left = 0;
    int top = 0;
    int width = 0;   // twips; from the picture's own size and resolution when added
    int height = 0;
};

// A report: page set-up, section heights and named objects. Calls naming an object that does not
// exist, or a picture file that cannot be read, do nothing and report nothing.
class ReportDocument {
public:
    // US Letter in twips.
    static constexpr int LetterShortSide = 12240;
    static constexpr int LetterLongSide = 15840;

    // Value lines per details page by report font size: 50, 45, 40, 35 at 9, 10, 11, 12 points.
    static int rowsPerColumn(int fontSize);

    int orientation() const { return m_orientation; }
    void setOrientation(int orientation);  // Portrait or Landscape; anything else is ignored
    int pageWidth() const;                 // twips, after orientation
    int pageHeight() const;
    int margin() const { return m_margin; }
    void setMargin(int twips) { m_margin = twips; }

    // Height of each band in twips. The details band's value lines are spaced by lineHeight().
    int sectionHeight(Section section) const;
    void setSectionHeight(Section section, int twips);
    int detailsLineHeight() const { return m_detailsLineHeight; }
    void setDetailsLineHeight(int twips) { m_detailsLineHeight = twips; }
    int rowsPerPage() const { return m_rowsPerPage; }
    void setRowsPerPage(int rows) { m_rowsPerPage = rows; }

    // Objects. addText replaces an object of the same name.
    TextObject &addText(const TextObject &object);
    TextObject *textObject(const QString &name);
    const TextObject *textObject(const QString &name) const;
    const std::vector<TextObject> &texts() const { return m_texts; }
    const std::vector<PictureObject> &pictures() const { return m_pictures; }

    QString text(const QString &name) const;  // empty for a missing object
    void setText(const QString &name, const QString &text);
    bool suppressed(const QString &name) const;
    void setSuppress(const QString &name, bool hidden);
    int horAlignment(const QString &name) const;
    void setHorAlignment(const QString &name, int alignment);
    void setLeftIndent(const QString &name, int twips);
    void setRightIndent(const QString &name, int twips);
    int left(const QString &name) const;
    void setLeft(const QString &name, int twips);
    int width(const QString &name) const;
    void setWidth(const QString &name, int twips);
    double fontSize(const QString &name) const;
    void setFontSize(const QString &name, double points);

    // Adds the picture in fileName at left, top of section, named name; false when the file is not
    // a readable picture (nothing added).
    bool addPicture(Section section, const QString &name, const QString &fileName, int left, int top);
    void deletePicture(const QString &name);
    PictureObject *picture(const QString &name);

    // Pages: the largest line count of any visible details text, spread over rowsPerPage() lines a
    // page; at least one page, and one more when the graph and report footer do not fit after the
    // last line.
    int pageCount() const;

private:
    int m_orientation = Portrait;
    int m_margin = 360;
    int m_sectionHeights[6] = {0, 0, 0, 0, 0, 0};
    int m_detailsLineHeight = 240;
    int m_rowsPerPage = 50;
    std::vector<TextObject> m_texts;
    std::vector<PictureObject> m_pictures;
};

} // namespace valtrane::report
