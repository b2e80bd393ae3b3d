#pragma once

#include "report/ReportSet.h"

#include <QString>

namespace valtrane::report {

// The one logo picture of the reports: placed at the top left of the report header, moved to the
// left or right edge, deleted; the company name and information keep clear of it with an indent.
// Only Report carries the logo, and for the stiffness gauge StiffyReport as well.
class ReportLogo {
public:
    static constexpr int Indent = 1700;
    static constexpr int ReportLeft = 500;
    static constexpr int ReportTop = 400;
    static constexpr int StiffyLeft = 100;
    static constexpr int StiffyTop = 100;
    // The logo is scaled into this square (keeping its shape), so it always fits beside an
    // indented company name.
    static constexpr int MaxSide = 1150;

    static QString pictureName() { return QStringLiteral("Logo"); }
    static QString pictureFilter() { return QStringLiteral("Pictures (*.bmp;*.ico;*.gif;*.jpg)|*.bmp;*.ico;*.gif;*.jpg"); }
    static QString oneLogoMessage() { return QStringLiteral("Report can only contain one picture object."); }
    // Left edge of the logo at the right of the page: the portrait logger report is narrower.
    static int rightEdge(int deviceCode);

    explicit ReportLogo(ReportSet &reports) : m_reports(reports) {}

    bool hasLogo() const { return m_hasLogo; }
    const QString &path() const { return m_path; }
    bool atRight() const { return m_atRight; }

    // Places the picture of fileName at its left-edge place; false when it is not a readable picture.
    bool place(const QString &fileName, int deviceCode);
    void moveLeft(int deviceCode);
    void moveRight(int deviceCode);
    void remove();
    // The reports were built again: the logo goes back where it was.
    void restore(int deviceCode);

    // The company name and information get the indent that keeps them clear of the logo: left
    // aligned beside a left logo, right aligned beside a right one; none otherwise.
    void indentCompany();
    void indentObject(const QString &name);

    static QString companyName() { return QStringLiteral("Company"); }
    static QString companyInfo() { return QStringLiteral("Companyinfo"); }

private:
    bool addTo(ReportDocument &report, int left, int top);
    void setLogoLeft(int reportLeft, int stiffyLeft);

    ReportSet &m_reports;
    bool m_hasLogo = false;
    bool m_atRight = false;
    QString m_path;
};

} // namespace valtrane::report
