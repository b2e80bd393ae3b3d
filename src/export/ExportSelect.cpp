#include "export/ExportSelect.h"

#include "common/ProgramInfo.h"
#include "common/VbConvert.h"

#include <QDir>
#include <QFileInfo>

namespace valtrane::exporting {

namespace {

const char *const Extensions[] = {"csv", "rtf", "pdf"};
const char *const FormatChoices[] = {"CSV", "RTF", "PDF"};

QString withExtension(const QString &fileName, int format)
{
    // The last three characters are the extension by this dialog's own naming; a shorter name is
    // wholly replaced rather than refused.
    return fileName.left(qMax(qsizetype(0), fileName.size() - 3)) + QLatin1String(Extensions[format]);
}

QString notApplicable()
{
    return QStringLiteral("N/A");
}

} // namespace

ExportSelect::ExportSelect(int deviceCode, const QString &lastFolder, ReportOnScreen shown)
    : m_deviceCode(deviceCode)
    , m_shown(shown)
    , m_rangeTexts{QStringLiteral("1"), QStringLiteral("1")}
{
    const QString folder = QDir::toNativeSeparators(lastFolder + QLatin1Char('/'));
    m_locations[RawBox] = folder + QStringLiteral("DataRaw.csv");
    m_locations[StiffnessBox] = isStiffnessGauge() ? folder + QStringLiteral("DataStif.csv") : notApplicable();
    clickFormat(Csv);
    clickDest(Disk);
    clickWhat(AllData);
}

void ExportSelect::clickDest(int index)
{
    m_dest = index == Application ? Application : Disk;
    m_csvEnabled = m_dest == Disk;
    if (!m_csvEnabled && m_format == Csv)
        clickFormat(Rtf);
}

void ExportSelect::clickFormat(int index)
{
    if (index < Csv || index > Pdf)
        return;
    m_format = index;
    m_locations[RawBox] = withExtension(m_locations[RawBox], index);
    if (isStiffnessGauge())
        m_locations[StiffnessBox] = withExtension(m_locations[StiffnessBox], index);
    m_whatEnabled = isStiffnessGauge();
}

void ExportSelect::clickRange(int index)
{
    m_range = index == PageRange ? PageRange : AllPages;
}

void ExportSelect::clickWhat(int index)
{
    m_what = index == CurrentData ? CurrentData : AllData;
}

void ExportSelect::editRange(int box, const QString &text)
{
    m_rangeTexts.at(size_t(box)) = vb::isNumeric(text) ? text : QStringLiteral("1");
}

void ExportSelect::editLocation(int box, const QString &text)
{
    m_locations.at(size_t(box)) = text;
}

bool ExportSelect::browse(int box, FileChooser &files, QString &lastFolder)
{
    if (!browseEnabled(box))
        return false;
    const std::optional<QString> chosen = files.saveFile({QStringLiteral("Export File Name"), lastFolder, formatFilter(m_format)});
    if (!chosen)
        return false;
    m_locations.at(size_t(box)) = QDir::toNativeSeparators(*chosen);
    const QString folder = QFileInfo(*chosen).absolutePath();
    if (QDir(folder) != QDir(lastFolder))
        lastFolder = folder;
    return true;
}

bool ExportSelect::confirm(ExportChoices &choices, AppState &state, Prompter &prompter) const
{
    // With the application as destination no file name is used, so none is checked.
    if (m_dest == Disk) {
        if (isStiffnessGauge() && !isValidExportFile(m_locations[StiffnessBox])) {
            prompter.tell(QStringLiteral("Invalid stiffness data export file name."), program::title());
            return false;
        }
        if (!isValidExportFile(m_locations[RawBox])) {
            prompter.tell(QStringLiteral("Invalid raw data export file name."), program::title());
            return false;
        }
    }
    choices.ExportDestChoice = m_dest == Application ? QStringLiteral("APPLICATION") : QStringLiteral("DISK");
    choices.ExportFormatChoice = QLatin1String(FormatChoices[m_format]);
    choices.ExportRangeChoice = m_range == AllPages ? QStringLiteral("ALL") : QStringLiteral("RANGE");
    if (m_range == PageRange) {
        choices.ExportRangeFirst = m_rangeTexts[0];
        choices.ExportRangeLast = m_rangeTexts[1];
    }
    choices.ExportWhatChoice = m_what == AllData ? QStringLiteral("ALL") : QStringLiteral("CURRENT");
    choices.RawExportFile = QDir::fromNativeSeparators(m_locations[RawBox]);
    choices.StiffnessExportFile = QDir::fromNativeSeparators(m_locations[StiffnessBox]);
    state.ExportConfirmed = true;
    return true;
}

void ExportSelect::cancel(AppState &state)
{
    state.ExportConfirmed = false;
}

bool ExportSelect::locationEnabled(int box) const
{
    return box == RawBox || isStiffnessGauge();
}

bool ExportSelect::browseEnabled(int box) const
{
    if (box == RawBox)
        return m_what == AllData;
    return isStiffnessGauge();
}

QString ExportSelect::whatCurrentCaption() const
{
    return m_shown == ReportOnScreen::Main ? QStringLiteral("Export Raw Data") : QStringLiteral("Export Stiffness Data");
}

QString ExportSelect::formatFilter(int format)
{
    switch (format) {
    case Rtf: return QStringLiteral("Rich Text Format (*.rtf)");
    case Pdf: return QStringLiteral("Adobe Format (*.pdf)");
    default: return QStringLiteral("Comma-Seperated Values (*.csv)");
    }
}

bool ExportSelect::isValidExportFile(const QString &fileName)
{
    const QString name = QDir::fromNativeSeparators(fileName);
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || slash == name.size() - 1)
        return false;
    const QString folder = slash == 0 ? QStringLiteral("/") : name.left(slash);
    const QFileInfo info(folder);
    return QDir::isAbsolutePath(folder) && info.isDir() && info.isWritable();
}

} // namespace valtrane::exporting
