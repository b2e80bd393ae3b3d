#include "report/ReportTab.h"

#include "common/ProgramInfo.h"
#include "report/ColumnObjects.h"
#include "report/ReportColumns.h"
#include "report/ReportLayouts.h"
#include "report/ReportPages.h"
#include "report/ReportSetup.h"

#include <QFileInfo>

namespace valtrane::report {

QString ReportTab::helpText(int deviceCode)
{
    const QChar cr(13);
    if (deviceCode == SG2150)
        return QStringLiteral("Use the viewer below to view the results of the run.  Click on ")
               + QStringLiteral("the preview window to change ") + cr + QStringLiteral("the appearance of the report.");
    return QStringLiteral("Use the Column List to select a column, and the Column Object ")
           + QStringLiteral("to select the data the column ") + cr + QStringLiteral("will contain.  ")
           + QStringLiteral("Selections can be seen in the Print Preview.");
}

QString ReportTab::stiffyToggleCaption(bool showingStiffy)
{
    return showingStiffy ? QStringLiteral("View SG2150 Report A") : QStringLiteral("View SG2150 Report B");
}

QString ReportTab::fontEntryCaption(int size, int currentSize)
{
    return size == currentSize ? QStringLiteral("%1 (Current)").arg(size) : QString::number(size);
}

int ReportTab::paperOrientation(int deviceCode)
{
    return deviceCode == LD4800 ? Portrait : Landscape;
}

ReportTab::ReportTab(Context context)
    : m_context(context)
    , m_logo(context.reports)
{
}

QString ReportTab::surfaceLetter() const
{
    return m_context.state.CurrentSurface.left(1);
}

// Our viewer is handed a document in memory and cannot fail to load it, so there is nothing to
// retry; what stays of the rule is that a tab whose report could not be set up (no selection)
// shows no preview rather than an old one.
bool ReportTab::enter()
{
    AppState &state = m_context.state;
    m_hasReport = !state.CurrentTable.isEmpty();
    m_showingStiffy = false;
    if (m_hasReport) {
        ReportSetup setup(m_context.reports, m_context.database, m_context.paths, state);
        setup.setUp(state.CurrentTable, state.DeviceCode);
        m_logo.restore(state.DeviceCode);
        setup.FillAverages(state.CurrentTable, surfaceLetter(), state.DeviceCode);
    }
    fillLists();
    m_listsEnabled = deviceCode() != SG2150;
    return m_hasReport;
}

void ReportTab::fillLists()
{
    m_columnObjects = ColumnObjects::entries(deviceCode());
    m_columnList = ColumnObjects::columnList(deviceCode(), fontSize());
    m_columnSelection = 0;
}

void ReportTab::placeColumnObject(const QString &object)
{
    // Disabled lists take no clicks; a layout being loaded places columns on any model.
    if (!m_hasReport)
        return;
    AppState &state = m_context.state;
    ReportColumns columns(m_context.reports.Report, m_context.reports.columns, m_context.database, deviceCode(), fontSize());
    const int position = m_columnSelection;
    const auto placed = columns.placeColumnObject(position, object, state.CurrentTable, surfaceLetter(), m_context.prompter);
    if (placed != ReportColumns::Placement::Placed || m_columnList.isEmpty())
        return;
    // The selection moves on to the column after the one (or the group) just placed, from the
    // last entry back to the first.
    const int width = ColumnObjects::isGroup(object) ? 4 : 1;
    m_columnSelection = (position + width) % int(m_columnList.size());
}

ReportDocument &ReportTab::shownReport()
{
    return m_showingStiffy ? m_context.reports.StiffyReport : m_context.reports.Report;
}

void ReportTab::setSubTab(int index)
{
    m_showingStiffy = index == 1 && deviceCode() == SG2150;
    m_listsEnabled = !m_showingStiffy && deviceCode() != SG2150;
}

void ReportTab::applyFont(int size)
{
    if (!m_hasReport)
        return;
    ReportSetup setup(m_context.reports, m_context.database, m_context.paths, m_context.state);
    setup.applyReportFont(size, m_context.state.CurrentTable, surfaceLetter());
    m_columnList = ColumnObjects::columnList(deviceCode(), fontSize());
    m_columnSelection = 0;
}

// Clearing runs in one go on the user-interface thread, so no column click can come in between.
void ReportTab::clearPreview()
{
    if (!m_hasReport)
        return;
    ReportSetup setup(m_context.reports, m_context.database, m_context.paths, m_context.state);
    setup.applyReportFont(fontSize(), m_context.state.CurrentTable, surfaceLetter());
    for (const QString &group : {ColumnObjects::noiseData(), ColumnObjects::signalData()})
        m_context.reports.Report.setSuppress(ReportLayouts::groupLabelName(group), true);
    m_columnSelection = 0;
}

bool ReportTab::insertLogo()
{
    if (m_logo.hasLogo()) {
        m_context.prompter.tell(ReportLogo::oneLogoMessage(), program::title());
        return false;
    }
    const std::optional<QString> file =
        m_context.files.openFile({QStringLiteral("Insert Logo"), m_context.state.LastFolder, ReportLogo::pictureFilter()});
    if (!file)
        return false;
    m_context.state.LastFolder = QFileInfo(*file).absolutePath();
    return m_logo.place(*file, deviceCode());
}

LayoutFiles ReportTab::layoutFiles()
{
    return LayoutFiles(m_context.paths, m_context.state, m_context.reports, m_logo, m_context.database, m_context.prompter);
}

bool ReportTab::saveLayout()
{
    return m_hasReport && layoutFiles().save();
}

LayoutFiles::Loaded ReportTab::loadLayout(const std::function<void()> &columnPlaced)
{
    const LayoutFiles::Loaded loaded = layoutFiles().load(columnPlaced);
    if (loaded == LayoutFiles::Loaded::Placed) {
        m_columnList = ColumnObjects::columnList(deviceCode(), fontSize());
        m_columnSelection = 0;
    }
    return loaded;
}

ReportTab::RemarksPlace ReportTab::remarksPlaceAt(int page, const QPoint &twips, const QString &objectName) const
{
    const ReportDocument &report = m_context.reports.Report;
    const int remarks = m_context.reports.columns.RemarksColumnIndex;
    const bool twin = deviceCode() == LD4800;
    const QString left = ReportLayouts::dataName(remarks);
    const QString right = twin ? ReportLayouts::dataName(remarks + ReportLayouts::twinOffset(fontSize())) : QString();
    if (m_showingStiffy || objectName.isEmpty() || (objectName != left && objectName != right))
        return {};
    const TextObject *object = report.textObject(objectName);
    if (!object)
        return {};
    const PageBands bands = ReportPages(report).bands(page);
    const int lineHeight = std::max(1, report.detailsLineHeight());
    const int line = bands.firstLine + std::max(0, twips.y() - bands.detailsTop - object->top) / lineHeight;
    return {objectName, line};
}

void ReportTab::beginPrint()
{
    ReportDocument &report = shownReport();
    report.setOrientation(paperOrientation(deviceCode()));
    if (!m_showingStiffy && m_hasReport) {
        ReportColumns columns(m_context.reports.Report, m_context.reports.columns, m_context.database, deviceCode(), fontSize());
        columns.ShowPlaceholderColumns(true);
    }
}

void ReportTab::endPrint()
{
    if (!m_showingStiffy && m_hasReport) {
        ReportColumns columns(m_context.reports.Report, m_context.reports.columns, m_context.database, deviceCode(), fontSize());
        columns.ShowPlaceholderColumns(false);
    }
}

} // namespace valtrane::report
