#include "report/ReportLayouts.h"

#include "common/AppState.h"
#include "report/ColumnObjects.h"

namespace valtrane::report {

namespace {

constexpr int Margin = 360;
constexpr int ReportHeaderHeight = 2700;
constexpr int LoggerHeaderHeight = 2300;
constexpr int PageHeaderHeight = 900;
constexpr int ReportFooterHeight = 1100;
constexpr int PageFooterHeight = 360;
constexpr int LineHeight = 250;
constexpr int GroupLabelHeight = 240;
constexpr int HeaderTop = 260;
constexpr int HeaderHeight = 620;
constexpr int FirstColumnWidth = 600;
constexpr int HalfGap = 240;
constexpr int RowHeight = 270;

struct Box {
    int left, top, width, height;
};

TextObject text(const QString &name, Section section, const QString &value, Box box, double size = 9, int align = LeftAlign,
                bool bold = false)
{
    TextObject t;
    t.name = name;
    t.section = section;
    t.text = value;
    t.left = Margin + box.left;  // the page's left margin: positions below are from the printed area
    t.top = box.top;
    t.width = box.width;
    t.height = box.height;
    t.fontSize = size;
    t.horAlignment = align;
    t.bold = bold;
    return t;
}

int usableWidth(const ReportDocument &report)
{
    return report.pageWidth() - 2 * report.margin();
}

int detailsLineHeight(int fontSize)
{
    return fontSize * 20 + 30;  // the font's height in twips and a little lead
}

// A label and its value on one header row.
// The project, machine and tester values keep the names the text editor knows them by.
void labelled(ReportDocument &report, const QString &name, const QString &label, int left, int labelWidth, int valueWidth,
              int row)
{
    const int top = 1800 + row * RowHeight;
    const bool lab = name == QLatin1String("ProjName") || name == QLatin1String("MachNo") || name == QLatin1String("TestedBy");
    report.addText(text(name + QStringLiteral("Label"), Section::ReportHeader, label, {left, top, labelWidth, RowHeight}));
    report.addText(text(lab ? name + QStringLiteral("Text") : name, Section::ReportHeader, QString(),
                        {left + labelWidth, top, valueWidth, RowHeight}, 9, LeftAlign, true));
}

// Company name, company information and a rule below them; room for a logo at 500, 400 twips.
void addCompanyBlock(ReportDocument &report)
{
    const int width = usableWidth(report);
    report.addText(text(QStringLiteral("Company"), Section::ReportHeader, QStringLiteral("Testing Laboratory"),
                        {0, 150, width, 440}, 16, CentreAlign, true));
    report.addText(text(QStringLiteral("Companyinfo"), Section::ReportHeader, QString(), {0, 620, width, 1050}, 9, CentreAlign));
    TextObject rule = text(QStringLiteral("HeaderRule"), Section::ReportHeader, QString(), {0, 1700, width, 40});
    rule.bottomLine = SingleLine;
    report.addText(rule);
}

void addFooter(ReportDocument &report)
{
    const int width = usableWidth(report);
    TextObject rule = text(QStringLiteral("FooterRule"), Section::PageFooter, QString(), {0, 0, width, 40});
    rule.topLine = SingleLine;
    report.addText(rule);
    report.addText(text(QStringLiteral("Text8"), Section::PageFooter, QStringLiteral("Printed:"), {0, 80, 800, 240}, 8));
    TextObject date = text(QStringLiteral("Field1"), Section::PageFooter, QString(), {800, 80, 1400, 240}, 8);
    date.field = PrintField::PrintDate;
    report.addText(date);
    TextObject time = text(QStringLiteral("Field2"), Section::PageFooter, QString(), {2200, 80, 1400, 240}, 8);
    time.field = PrintField::PrintTime;
    report.addText(time);
    TextObject page = text(QStringLiteral("PageNumber"), Section::PageFooter, QString(), {width - 2600, 80, 2600, 240}, 8, RightAlign);
    page.field = PrintField::PageNumberOfCount;
    report.addText(page);
    report.setSectionHeight(Section::PageFooter, PageFooterHeight);
}

// The remark lines under the columns, empty until the user writes remarks.
void addRemarks(ReportDocument &report, int top)
{
    const int width = usableWidth(report);
    report.addText(text(QStringLiteral("Title"), Section::ReportFooter, QString(), {0, top, width, 260}, 9, LeftAlign, true));
    report.addText(text(QStringLiteral("Col2"), Section::ReportFooter, QString(), {0, top + 260, width / 2, 260}));
    report.addText(text(QStringLiteral("Col3"), Section::ReportFooter, QString(), {width / 2, top + 260, width / 2, 260}));
}

void addNuclearHeader(ReportDocument &report)
{
    report.addText(text(QStringLiteral("GaugeTitle"), Section::ReportHeader, QString(), {0, 1800, 4200, RowHeight}, 10, LeftAlign, true));
    report.addText(text(QStringLiteral("SerialNumber"), Section::ReportHeader, QString(), {4200, 1800, 1200, RowHeight}, 10, LeftAlign, true));
    labelled(report, QStringLiteral("CalDate"), QStringLiteral("Calibration Date:"), 5600, 1900, 1200, 0);
    labelled(report, QStringLiteral("ProjectId"), QStringLiteral("Project ID:"), 8900, 1300, 1500, 0);
    labelled(report, QStringLiteral("ReadDate"), QStringLiteral("Reading Date:"), 11900, 1500, 1400, 0);
    labelled(report, QStringLiteral("DensStd"), QStringLiteral("Density Standard:"), 0, 1950, 800, 1);
    labelled(report, QStringLiteral("MoistStd"), QStringLiteral("Moisture Standard:"), 2900, 2050, 800, 1);
    labelled(report, QStringLiteral("KVal"), QStringLiteral("K Value:"), 5900, 950, 700, 1);
    labelled(report, QStringLiteral("Spg"), QStringLiteral("Specific Gravity:"), 7700, 1950, 700, 1);
    labelled(report, QStringLiteral("MaxDens"), QStringLiteral("Max Density:"), 10500, 1400, 900, 1);
    labelled(report, QStringLiteral("LowDens"), QStringLiteral("Low Density:"), 12900, 1400, 800, 1);
    labelled(report, QStringLiteral("ProjName"), QStringLiteral("Project Name:"), 0, 1500, 4000, 2);
    labelled(report, QStringLiteral("MachNo"), QStringLiteral("Machine Number:"), 5700, 1800, 2200, 2);
    labelled(report, QStringLiteral("TestedBy"), QStringLiteral("Tested By:"), 9900, 1200, 4000, 2);
}

void addStiffnessHeader(ReportDocument &report)
{
    report.addText(text(QStringLiteral("GaugeTitle"), Section::ReportHeader, QStringLiteral("Data Report for SG2150"),
                        {0, 1800, 3000, RowHeight}, 10, LeftAlign, true));
    labelled(report, QStringLiteral("RunLine"), QStringLiteral("Run Number:"), 3200, 1400, 3000, 0);
    labelled(report, QStringLiteral("Measure"), QStringLiteral("Measure: "), 0, 1100, 1400, 1);
    labelled(report, QStringLiteral("CalFactor"), QStringLiteral("Calibration Factor: "), 2700, 2200, 1400, 1);
}

struct AverageItem {
    const char *name;
    const char *label;
    int left, labelWidth;
};

const AverageItem AverageItems[] = {
    {"WetDensAvg", "Wet Dens Avg.", 2400, 1500}, {"DryDensAvg", "Dry Dens Avg", 4900, 1400},
    {"MoistAvg", "Moisture Avg", 7300, 1400},    {"PMoistAvg", "%Moisture Avg.", 9700, 1600},
    {"CompAvg", "Avg %Compaction", 12300, 1750},
};

void addAverages(ReportDocument &report)
{
    const int width = usableWidth(report);
    TextObject rule = text(QStringLiteral("AvgRule"), Section::ReportFooter, QString(), {0, 40, width, 40});
    rule.topLine = SingleLine;
    report.addText(rule);
    report.addText(text(QStringLiteral("AvgLabel"), Section::ReportFooter, QString(), {0, 120, 2300, 260}, 9, LeftAlign, true));
    for (const AverageItem &item : AverageItems) {
        const QString name = QString::fromLatin1(item.name);
        report.addText(text(name + QStringLiteral("Label"), Section::ReportFooter, QString(), {item.left, 120, item.labelWidth, 260}));
        report.addText(text(name, Section::ReportFooter, QString(), {item.left + item.labelWidth, 120, 900, 260}, 9, LeftAlign, true));
    }
}

void addColumns(ReportDocument &report)
{
    for (int i = 1; i <= ReportLayouts::ColumnCount; ++i) {
        report.addText(text(ReportLayouts::headerName(i), Section::PageHeader, QString(), {0, HeaderTop, 0, HeaderHeight}, 9, CentreAlign));
        TextObject border = text(ReportLayouts::borderName(i), Section::PageHeader, QString(), {0, HeaderTop, 0, HeaderHeight});
        border.leftLine = border.rightLine = border.topLine = border.bottomLine = SingleLine;
        report.addText(border);
        report.addText(text(ReportLayouts::dataName(i), Section::Details, QStringLiteral(" "), {0, 0, 0, 0}, 9, CentreAlign));
    }
    for (const QString &entry : {ColumnObjects::noiseData(), ColumnObjects::signalData()}) {
        TextObject label = text(ReportLayouts::groupLabelName(entry), Section::PageHeader, ColumnObjects::groupLabel(entry),
                                {0, 0, 0, GroupLabelHeight}, 9, CentreAlign, true);
        label.suppress = true;
        report.addText(label);
    }
}

// Left edge and width of every column index at a font size: the logger's two halves side by
// side, the other models' columns shared out over the page.
std::vector<Box> columnBoxes(const ReportDocument &report, int deviceCode, int fontSize)
{
    const int width = usableWidth(report);
    std::vector<Box> boxes(ReportLayouts::ColumnCount + 1, Box{0, 0, 0, 0});
    if (deviceCode == LD4800) {
        const int half = ReportLayouts::twinOffset(fontSize);
        const int columnWidth = (width - HalfGap) / (2 * half);
        for (int i = 1; i <= 2 * half; ++i) {
            const int left = (i - 1) * columnWidth + (i > half ? HalfGap : 0);
            boxes[size_t(i)] = {left, 0, columnWidth, 0};
        }
        return boxes;
    }
    const int used = ReportLayouts::usedColumns(deviceCode, fontSize);
    const int columnWidth = (width - FirstColumnWidth) / (used - 1);
    boxes[1] = {0, 0, FirstColumnWidth, 0};
    for (int i = 2; i <= used; ++i)
        boxes[size_t(i)] = {FirstColumnWidth + (i - 2) * columnWidth, 0, columnWidth, 0};
    return boxes;
}

} // namespace

QString ReportLayouts::groupLabelName(const QString &entry)
{
    return entry == ColumnObjects::noiseData() ? QStringLiteral("NoiseDataLabel") : QStringLiteral("SignalDataLabel");
}

int ReportLayouts::twinOffset(int fontSize)
{
    return fontSize <= 9 ? 7 : fontSize >= 12 ? 5 : 6;
}

QString ReportLayouts::placeholder(int deviceCode, int fontSize, int index)
{
    if (index == 1)
        return QStringLiteral("RD#");
    if (deviceCode == LD4800 && index > twinOffset(fontSize))
        return QStringLiteral("Co1 %1").arg(index - 1);
    return QStringLiteral("Col %1").arg(index - 1);
}

int ReportLayouts::usedColumns(int deviceCode, int fontSize)
{
    if (deviceCode == LD4800)
        return 2 * twinOffset(fontSize);
    // The columns offered at that size, the "RD#" column and one more for the remarks.
    return int(ColumnObjects::columnList(deviceCode, fontSize).size()) + 2;
}

void ReportLayouts::applyReportFont(ReportDocument &report, int deviceCode, int fontSize)
{
    fontSize = qBound(9, fontSize, 12);
    const int lineHeight = detailsLineHeight(fontSize);
    const int fixed = report.sectionHeight(Section::ReportHeader) + report.sectionHeight(Section::PageHeader)
                      + report.sectionHeight(Section::ReportFooter) + report.sectionHeight(Section::PageFooter)
                      + 2 * report.margin();
    // The logger's halves take one column block a page; the other reports as many lines as fit.
    const int rows = deviceCode == LD4800 ? ReportDocument::rowsPerColumn(fontSize) : (report.pageHeight() - fixed) / lineHeight;
    report.setDetailsLineHeight(lineHeight);
    report.setRowsPerPage(rows);
    report.setSectionHeight(Section::Details, rows * lineHeight);

    const std::vector<Box> boxes = columnBoxes(report, deviceCode, fontSize);
    const int used = usedColumns(deviceCode, fontSize);
    for (int i = 1; i <= ColumnCount; ++i) {
        const Box &box = boxes[size_t(i)];
        for (const QString &name : {headerName(i), borderName(i), dataName(i)}) {
            report.setLeft(name, Margin + box.left);
            report.setWidth(name, box.width);
            report.setFontSize(name, fontSize);
            report.setSuppress(name, i > used);
        }
        if (TextObject *data = report.textObject(dataName(i)))
            data->height = rows * lineHeight;
        report.setText(headerName(i), placeholder(deviceCode, fontSize, i));
        report.setText(dataName(i), QStringLiteral(" "));
    }
    for (const QString &entry : {ColumnObjects::noiseData(), ColumnObjects::signalData()}) {
        report.setFontSize(groupLabelName(entry), fontSize);
        report.setSuppress(groupLabelName(entry), true);
    }
}

ReportDocument ReportLayouts::buildReport(int deviceCode, int fontSize)
{
    ReportDocument report;
    report.setMargin(Margin);
    report.setOrientation(deviceCode == LD4800 ? Portrait : Landscape);
    addCompanyBlock(report);
    if (deviceCode == LD4800) {
        report.addText(text(QStringLiteral("TestTitle"), Section::ReportHeader, QString(), {0, 1820, usableWidth(report), 360}, 12,
                            CentreAlign, true));
        report.setSectionHeight(Section::ReportHeader, LoggerHeaderHeight);
    } else {
        if (deviceCode == SG2150)
            addStiffnessHeader(report);
        else
            addNuclearHeader(report);
        report.setSectionHeight(Section::ReportHeader, ReportHeaderHeight);
    }
    report.setSectionHeight(Section::PageHeader, PageHeaderHeight);
    addColumns(report);
    if (deviceCode == NG7700A || deviceCode == NG7700B)
        addAverages(report);
    addRemarks(report, deviceCode == NG7700A || deviceCode == NG7700B ? 500 : 100);
    report.setSectionHeight(Section::ReportFooter, ReportFooterHeight);
    addFooter(report);
    applyReportFont(report, deviceCode, fontSize);
    return report;
}

ReportDocument ReportLayouts::buildStiffyReport()
{
    static const char *const Headers[StiffyColumnCount] = {
        "BIN#", "Freq.\r(Hz)", "SNR db\rDispl.", "SNR db\rForce", "Stiffness\r(MN/m)", "Stiffness\r(lbf/in)",
        "Young's Mod.\r(MPa)", "Young's Mod.\r(psi)", "Shear Mod.\r(MPa)", "Shear Mod.\r(psi)"};
    ReportDocument report;
    report.setMargin(Margin);
    report.setOrientation(Landscape);
    addCompanyBlock(report);
    addStiffnessHeader(report);
    report.setSectionHeight(Section::ReportHeader, ReportHeaderHeight);
    report.setSectionHeight(Section::PageHeader, PageHeaderHeight);
    const int width = usableWidth(report) / StiffyColumnCount;
    for (int c = 0; c < StiffyColumnCount; ++c) {
        TextObject header = text(stiffyHeaderName(c), Section::PageHeader, QString::fromLatin1(Headers[c]),
                                 {c * width, HeaderTop, width, HeaderHeight}, 9, CentreAlign, true);
        header.leftLine = header.rightLine = header.topLine = header.bottomLine = SingleLine;
        report.addText(header);
        report.addText(text(stiffyDataName(c), Section::Details, QString(), {c * width, 0, width, 0}, 9, CentreAlign));
    }
    const int resultsLeft = (StiffyColumnCount - 6) * width;
    report.addText(text(QStringLiteral("AvgLabel"), Section::ReportFooter, QStringLiteral("Averages:"),
                        {resultsLeft - width, 60, width, 260}, 9, RightAlign, true));
    for (int r = 0; r < 6; ++r)
        report.addText(text(stiffyAverageName(r), Section::ReportFooter, QString(), {resultsLeft + r * width, 60, width, 260}, 9, CentreAlign));
    report.addText(text(QStringLiteral("MoistureLabel"), Section::ReportFooter, QStringLiteral("Moisture Content (% by weight/100):"),
                        {0, 480, 3600, 260}));
    report.addText(text(QStringLiteral("Moisture"), Section::ReportFooter, QString(), {3600, 480, 1200, 260}, 9, LeftAlign, true));
    report.addText(text(QStringLiteral("DensityPcfLabel"), Section::ReportFooter, QStringLiteral("Est. Dry Density (pcf):"),
                        {5200, 480, 2200, 260}));
    report.addText(text(QStringLiteral("DensityPcf"), Section::ReportFooter, QString(), {7400, 480, 1100, 260}, 9, LeftAlign, true));
    report.addText(text(QStringLiteral("DensityKgLabel"), Section::ReportFooter, QStringLiteral("(kg/m^3):"), {8600, 480, 1000, 260}));
    report.addText(text(QStringLiteral("DensityKg"), Section::ReportFooter, QString(), {9600, 480, 1300, 260}, 9, LeftAlign, true));
    report.setSectionHeight(Section::ReportFooter, ReportFooterHeight);
    addFooter(report);
    const int lineHeight = detailsLineHeight(9);
    const int fixed = ReportHeaderHeight + PageHeaderHeight + ReportFooterHeight + PageFooterHeight + 2 * Margin;
    report.setDetailsLineHeight(lineHeight);
    report.setRowsPerPage((report.pageHeight() - fixed) / lineHeight);
    report.setSectionHeight(Section::Details, report.rowsPerPage() * lineHeight);
    for (int c = 0; c < StiffyColumnCount; ++c)
        if (TextObject *data = report.textObject(stiffyDataName(c)))
            data->height = report.rowsPerPage() * lineHeight;
    return report;
}

} // namespace valtrane::report
