#include "support/ReportSamples.h"

namespace valtrane::test {

using namespace report;

namespace {

TextObject text(const QString &name, Section section, const QString &content, int left, int top, int width,
                int height)
{
    TextObject t;
    t.name = name;
    t.section = section;
    t.text = content;
    t.left = left;
    t.top = top;
    t.width = width;
    t.height = height;
    return t;
}

} // namespace

QString sampleValue(int column, int row)
{
    return column == 0 ? QString::number(row) : QStringLiteral("%1.%2").arg(column).arg(row);
}

ReportDocument sampleLabReport(int valueLines, int columns)
{
    ReportDocument d;
    d.setOrientation(Landscape);
    d.setSectionHeight(Section::ReportHeader, 1100);
    d.setSectionHeight(Section::PageHeader, 520);
    d.setSectionHeight(Section::PageFooter, 360);
    d.setSectionHeight(Section::ReportFooter, 500);
    d.setRowsPerPage(ReportDocument::rowsPerColumn(9));
    d.setDetailsLineHeight(190);

    TextObject company = text("Company", Section::ReportHeader, "Acme Soil Testing Laboratory", 720, 100, 14400, 400);
    company.fontSize = 16;
    company.bold = true;
    company.horAlignment = CentreAlign;
    d.addText(company);
    TextObject info = text("Companyinfo", Section::ReportHeader, "12 Main Street\rGainesville, FL 32601", 720, 520,
                           14400, 480);
    info.horAlignment = CentreAlign;
    d.addText(info);

    const int columnWidth = 780;
    for (int c = 0; c < columns; ++c) {
        const int left = 540 + c * columnWidth;
        QString values;
        for (int r = 1; r <= valueLines; ++r)
            values += sampleValue(c, r) + QChar(13);
        TextObject head = text(QStringLiteral("Head%1").arg(c), Section::PageHeader,
                               c == 0 ? QStringLiteral("RD#") : QStringLiteral("Col %1").arg(c), left, 60,
                               columnWidth, 420);
        head.bold = true;
        head.horAlignment = CentreAlign;
        head.bottomLine = SingleLine;
        d.addText(head);
        TextObject data = text(QStringLiteral("Data%1").arg(c), Section::Details, values, left, 0, columnWidth,
                               d.rowsPerPage() * d.detailsLineHeight());
        data.horAlignment = RightAlign;
        data.rightIndent = 90;
        data.leftLine = SingleLine;
        data.rightLine = c + 1 == columns ? SingleLine : NoLine;
        d.addText(data);
    }
    TextObject page = text("Field1", Section::PageFooter, "", 10000, 60, 5000, 260);
    page.field = PrintField::PageNumberOfCount;
    page.horAlignment = RightAlign;
    d.addText(page);
    d.addText(text("Remark", Section::ReportFooter, "Remarks: compaction within limits", 540, 120, 9000, 300));
    return d;
}

} // namespace valtrane::test
