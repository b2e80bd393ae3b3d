#pragma once

namespace valtrane::exporting {

// The report the report tab shows: its first page holds the main report, a later page the
// stiffness report.
enum class ReportOnScreen { Main = 0, Stiffness = 1 };

inline ReportOnScreen reportOnTabPage(int page)
{
    return page == 0 ? ReportOnScreen::Main : ReportOnScreen::Stiffness;
}

} // namespace valtrane::exporting
