#include "report/ReportTextEditor.h"

#include <QDate>
#include <QRegularExpression>

namespace valtrane::report {

namespace {

const QChar CR(13);

QString toBox(QString text)
{
    return text.replace(CR, QLatin1Char('\n'));
}

QString toReport(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(QLatin1Char('\n'), CR);
}

} // namespace

const std::vector<ReportTextEditor::Item> &ReportTextEditor::items()
{
    static const std::vector<Item> all{
        {CompanyName, "CN", "Company Name", "Edit Company Name Position", {"Company"}, 0},
        {CompanyInfo, "CI", "Company Information", "Edit Company Info Position", {"Companyinfo"}, -1},
        {DateItem, "Date", "Date", "Edit Date/Time Position", {"Text8", "Field1", "Field2"}, -1},
        {MachineNumber, "MN", "Machine Number", "Edit Machine Number", {"MachNoText"}, 7},
        {ProjectName, "PN", "Project Name", "Edit Project Name", {"ProjNameText"}, 6},
        {TestedBy, "TB", "Tested By", "Edit Tested By", {"TestedByText"}, 8},
        // The tester's line with the day of testing after the name; the name alone stays the
        // lab information's, so "Ok" copies nothing.
        {TestedByDate, "TBD", "Tested By Date", "Edit Tested By Date", {"TestedByText"}, -1},
        {Remarks, "Remark", "Edit/Add Remarks", remarksCaption(), {}, -1},
    };
    return all;
}

const ReportTextEditor::Item *ReportTextEditor::item(int code)
{
    for (const Item &candidate : items())
        if (candidate.code == code)
            return &candidate;
    return nullptr;
}

QString ReportTextEditor::FORMAT_REMARK(const QString &columnText, int line, const QString &remark)
{
    QStringList lines = columnText.trimmed().isEmpty() ? QStringList() : columnText.split(CR);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    while (lines.size() <= line)
        lines.append(QString());
    lines[qMax(0, line)] = QString(remark).replace(QRegularExpression(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
    return lines.join(CR) + CR;
}

QString ReportTextEditor::remarkAt(const QString &columnText, int line)
{
    const QStringList lines = columnText.split(CR);
    return line >= 0 && line < lines.size() ? lines.at(line).trimmed() : QString();
}

ReportTextEditor::ReportTextEditor(ReportSet &reports, ReportLogo &logo, AppState &state, int itemCode,
                                   const QString &remarksObject, int remarksLine)
    : m_reports(reports)
    , m_logo(logo)
    , m_state(state)
    , m_item(item(itemCode))
    , m_remarksObject(remarksObject)
    , m_remarksLine(remarksLine)
{
    if (!m_item)
        return;
    m_caption = m_item->caption;
    m_editable = itemCode != DateItem;
    const QStringList objects = targets();
    const QString first = objects.value(0);
    m_openedText = m_reports.Report.text(first);
    m_openedAlignment = m_reports.Report.horAlignment(first);
    m_alignment = m_openedAlignment;
    if (!m_editable)
        m_text = notModifiable();
    else if (itemCode == Remarks)
        m_text = remarkAt(m_openedText, m_remarksLine);
    else
        m_text = toBox(m_openedText);
    if (itemCode == CompanyInfo && m_text.section(QLatin1Char('\n'), 0, 0) == QLatin1String(" Empty"))
        m_text.clear();
    if (itemCode == TestedByDate && !m_text.contains(QRegularExpression(QStringLiteral("\\d+/\\d+/\\d+$"))))
        m_text = m_text.trimmed() + QStringLiteral("  ") + QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));
}

QStringList ReportTextEditor::targets() const
{
    if (!m_item)
        return {};
    return m_item->code == Remarks ? QStringList{m_remarksObject} : m_item->objects;
}

void ReportTextEditor::setText(const QString &text)
{
    if (!m_editable || text == m_text)
        return;
    m_text = text;
    m_applyEnabled = true;
}

void ReportTextEditor::setAlignment(int alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    m_applyEnabled = true;
}

QString ReportTextEditor::reportText() const
{
    if (m_item->code == Remarks)
        return FORMAT_REMARK(m_reports.Report.text(m_remarksObject), m_remarksLine, m_text);
    return toReport(m_text);
}

void ReportTextEditor::write(const QString &text, int alignment)
{
    for (const QString &object : targets()) {
        for (ReportDocument *report : {&m_reports.Report, &m_reports.StiffyReport}) {
            report->setHorAlignment(object, alignment);
            if (m_editable)
                report->setText(object, text);
        }
        if (object == ReportLogo::companyName() || object == ReportLogo::companyInfo())
            m_logo.indentObject(object);
    }
}

void ReportTextEditor::apply()
{
    if (!m_item)
        return;
    write(reportText(), m_alignment);
    m_applyEnabled = false;
}

void ReportTextEditor::ok()
{
    if (!m_item)
        return;
    apply();
    if (m_item->infoField >= 0) {
        m_state.CInfo[size_t(m_item->infoField)] = toReport(m_text);
        m_state.InformationChanged = true;
    }
}

void ReportTextEditor::cancel()
{
    if (!m_item)
        return;
    write(m_openedText, m_openedAlignment);
}

} // namespace valtrane::report
