#include "report/ReportLogo.h"

#include "common/AppState.h"

#include <algorithm>

namespace valtrane::report {

int ReportLogo::rightEdge(int deviceCode)
{
    return deviceCode == LD4800 ? 10250 : 13750;
}

bool ReportLogo::addTo(ReportDocument &report, int left, int top)
{
    report.deletePicture(pictureName());
    if (!report.addPicture(Section::ReportHeader, pictureName(), m_path, left, top))
        return false;
    PictureObject *logo = report.picture(pictureName());
    const int side = std::max(logo->width, logo->height);
    if (side > MaxSide) {
        logo->width = logo->width * MaxSide / side;
        logo->height = logo->height * MaxSide / side;
    }
    return true;
}

bool ReportLogo::place(const QString &fileName, int deviceCode)
{
    const QString previous = m_path;
    m_path = fileName;
    if (!addTo(m_reports.Report, ReportLeft, ReportTop)) {
        m_path = previous;
        return false;
    }
    if (deviceCode == SG2150)
        addTo(m_reports.StiffyReport, StiffyLeft, StiffyTop);
    m_hasLogo = true;
    m_atRight = false;
    indentCompany();
    return true;
}

void ReportLogo::setLogoLeft(int reportLeft, int stiffyLeft)
{
    if (PictureObject *logo = m_reports.Report.picture(pictureName()))
        logo->left = reportLeft;
    if (PictureObject *logo = m_reports.StiffyReport.picture(pictureName()))
        logo->left = stiffyLeft;
}

void ReportLogo::moveLeft(int deviceCode)
{
    if (!m_hasLogo)
        return;
    Q_UNUSED(deviceCode);
    m_atRight = false;
    setLogoLeft(ReportLeft, StiffyLeft);
    indentCompany();
}

void ReportLogo::moveRight(int deviceCode)
{
    if (!m_hasLogo)
        return;
    m_atRight = true;
    // The results report is landscape whatever the gauge: its logo goes to the landscape edge.
    setLogoLeft(rightEdge(deviceCode), rightEdge(SG2150));
    indentCompany();
}

void ReportLogo::remove()
{
    m_reports.Report.deletePicture(pictureName());
    m_reports.StiffyReport.deletePicture(pictureName());
    m_hasLogo = false;
    m_atRight = false;
    m_path.clear();
    indentCompany();
}

void ReportLogo::restore(int deviceCode)
{
    if (!m_hasLogo)
        return;
    const bool right = m_atRight;
    if (!place(m_path, deviceCode)) {
        remove();
        return;
    }
    if (right)
        moveRight(deviceCode);
}

void ReportLogo::indentCompany()
{
    indentObject(companyName());
    indentObject(companyInfo());
}

void ReportLogo::indentObject(const QString &name)
{
    for (ReportDocument *report : {&m_reports.Report, &m_reports.StiffyReport}) {
        report->setLeftIndent(name, 0);
        report->setRightIndent(name, 0);
        if (!m_hasLogo)
            continue;
        const int alignment = report->horAlignment(name);
        if (!m_atRight && alignment == LeftAlign)
            report->setLeftIndent(name, Indent);
        else if (m_atRight && alignment == RightAlign)
            report->setRightIndent(name, Indent);
    }
}

} // namespace valtrane::report
