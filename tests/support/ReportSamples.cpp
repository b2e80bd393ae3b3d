#include "support/ReportSamples.h"

namespace valtrane::test {

using namespace report;

namespace {

TextObject text(const QString &name, Section section, const QString &content, QRect place, int alignment, bool bold = false)
{
    return {.name = name, .section = section, .text = content, .bold = bold, .horAlignment = alignment,
            .left = place.left(), .top = place.top(), .width = place.width(), .height = place.height()};
}

QString sampleValue(int column, int row)
{
    return column == 0 ? QString::number(row) : QStringLiteral("%1.%2").arg(column).arg(row);
}

} // namespace

ReportDocument sampleLabReport(int valueLines, int columns)
{
    ReportDocument d;
    d.setOrientation(Landscape);
    const int heights[] = {1100, 520, 0, 0, 360, 500};  // by section
    for (int s = 0; s < 6; ++s)
        d.setSectionHeight(Section(s), heights[s]);
    d.setDetailsLineHeight(190);
    d.addText(text("Company", Section::ReportHeader, "Acme Soil Testing Laboratory", {720, 100, 14400, 400}, CentreAlign,
                   true)).fontSize = 16;
    d.addText(text("Companyinfo", Section::ReportHeader, "12 Main Street\rGainesville, FL 32601", {720, 520, 14400, 480},
                   CentreAlign));
    const int width = 780;
    for (int c = 0; c < columns; ++c) {
        QString values;
        for (int r = 1; r <= valueLines; ++r)
            values += sampleValue(c, r) + QChar(13);
        const QString caption = c == 0 ? QStringLiteral("RD#") : QStringLiteral("Col %1").arg(c);
        d.addText(text(QStringLiteral("Head%1").arg(c), Section::PageHeader, caption, {540 + c * width, 60, width, 420},
                       CentreAlign, true)).bottomLine = SingleLine;
        TextObject &data = d.addText(text(QStringLiteral("Data%1").arg(c), Section::Details, values,
                                          {540 + c * width, 0, width, d.rowsPerPage() * 190}, RightAlign));
        data.rightIndent = 90;
        data.leftLine = SingleLine;
        data.rightLine = c + 1 == columns ? SingleLine : NoLine;
    }
    d.addText(text("Field1", Section::PageFooter, "", {10000, 60, 5000, 260}, RightAlign)).field =
        PrintField::PageNumberOfCount;
    d.addText(text("Remark", Section::ReportFooter, "Remarks: compaction within limits", {540, 120, 9000, 300}, LeftAlign));
    return d;
}

} // namespace valtrane::test
