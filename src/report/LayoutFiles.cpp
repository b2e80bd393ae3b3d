#include "report/LayoutFiles.h"

#include "common/ProgramInfo.h"
#include "common/SettingsFile.h"
#include "report/ColumnObjects.h"
#include "report/ReportColumns.h"
#include "report/ReportLayouts.h"
#include "report/ReportSetup.h"

#include <QFileInfo>

namespace valtrane::report {

namespace {

QString surfaceLetter(const AppState &state)
{
    return state.CurrentSurface.left(1);
}

} // namespace

LayoutFiles::LayoutFiles(const AppPaths &paths, AppState &state, ReportSet &reports, ReportLogo &logo,
                         db::Database &database, Prompter &prompter)
    : m_paths(paths)
    , m_state(state)
    , m_reports(reports)
    , m_logo(logo)
    , m_database(database)
    , m_prompter(prompter)
{
}

const std::vector<LayoutFiles::HeaderKey> &LayoutFiles::alignmentKeys(int deviceCode)
{
    static const std::vector<HeaderKey> nuclear{
        {"TitleP = ", "Company"},    {"CInfoP = ", "Companyinfo"},  {"Time_1 = ", "Text8"},
        {"Time_2 = ", "Field1"},     {"Time_3 = ", "Field2"},       {"MachNO = ", "MachNoText"},
        {"TestBy = ", "TestedByText"}, {"ProjNM = ", "ProjNameText"},
    };
    static const std::vector<HeaderKey> others(nuclear.begin(), nuclear.begin() + 5);
    return deviceCode == NG7700A || deviceCode == NG7700B ? nuclear : others;
}

QStringList LayoutFiles::columnTokens() const
{
    const ReportColumnState &columns = m_reports.columns;
    const bool stiffness = m_reports.deviceCode == SG2150;
    QStringList tokens;
    for (int index = 2; index <= ReportLayouts::ColumnCount; ++index) {
        if (stiffness && columns.NoiseDataPlaced && index > columns.NoiseDataLastColumn - 4 && index <= columns.NoiseDataLastColumn) {
            if (index == columns.NoiseDataLastColumn - 3)
                tokens.append(ColumnObjects::noiseData());
            continue;
        }
        if (stiffness && columns.SignalDataPlaced && index > columns.SignalDataLastColumn - 4 && index <= columns.SignalDataLastColumn) {
            if (index == columns.SignalDataLastColumn - 3)
                tokens.append(ColumnObjects::signalData());
            continue;
        }
        tokens.append(m_reports.Report.text(ReportLayouts::headerName(index)));
    }
    return tokens;
}

QStringList LayoutFiles::headerLines() const
{
    const ReportDocument &report = m_reports.Report;
    QStringList lines;
    for (const HeaderKey &key : alignmentKeys(m_reports.deviceCode))
        lines.append(QString::fromLatin1(key.key) + QString::number(report.horAlignment(QString::fromLatin1(key.object))));
    if (m_logo.hasLogo())
        lines.append(logoKey() + m_logo.path());
    lines.append(fontKey() + QString::number(m_state.ReportFontSize));
    return lines;
}

bool LayoutFiles::save()
{
    const int deviceCode = m_reports.deviceCode;
    if (!m_paths.ensureInfoFolder() || !SettingsFile::writeQuotedRecord(m_paths.columnLayout(deviceCode), columnTokens()))
        return false;
    m_prompter.tell(savedMessage(), program::title());
    return SettingsFile::writeLines(m_paths.headerLayout(deviceCode), headerLines());
}

std::optional<int> LayoutFiles::fontOf(const QStringList &headerLines)
{
    for (const QString &line : headerLines) {
        if (!line.startsWith(fontKey()))
            continue;
        const QString value = line.mid(fontKey().size()).trimmed();
        bool numeric = false;
        const double size = value.toDouble(&numeric);
        return numeric ? qBound(9, int(size), 12) : 9;
    }
    return std::nullopt;
}

LayoutFiles::Loaded LayoutFiles::load(const std::function<void()> &columnPlaced)
{
    if (m_state.CurrentTable.isEmpty() || m_state.CurrentSurface.isEmpty())
        return Loaded::NothingSelected;
    const int deviceCode = m_state.DeviceCode;
    const QString columnFile = m_paths.columnLayout(deviceCode);
    const std::optional<QStringList> tokens = QFileInfo::exists(columnFile) ? SettingsFile::readRecordLines(columnFile)
                                                                            : std::nullopt;
    if (!tokens) {
        m_prompter.tell(noLayoutMessage(), program::title());
        return Loaded::NoLayout;
    }
    // The whole header file is read, so its logo and font lines are never left unread. Its font
    // is set before the columns are placed: a new font size empties the columns.
    const QStringList header = SettingsFile::readLines(m_paths.headerLayout(deviceCode)).value_or(QStringList());
    ReportSetup setup(m_reports, m_database, m_paths, m_state);
    setup.setUp(m_state.CurrentTable, deviceCode);
    m_logo.restore(deviceCode);
    const int font = fontOf(header).value_or(m_state.ReportFontSize);
    if (font != m_state.ReportFontSize)
        setup.applyReportFont(font, m_state.CurrentTable, surfaceLetter(m_state));
    else
        setup.FillAverages(m_state.CurrentTable, surfaceLetter(m_state), deviceCode);
    placeColumns(*tokens, columnPlaced);
    applyHeader(header);
    return Loaded::Placed;
}

bool LayoutFiles::isPlaceholder(const QString &token) const
{
    return token.isEmpty() || token.startsWith(QLatin1String("Col")) || token.startsWith(QLatin1String("Co1 "))
           || token == QLatin1String("RD#");
}

void LayoutFiles::placeColumns(const QStringList &tokens, const std::function<void()> &columnPlaced)
{
    // The logger's right half follows its left half: only the left half's columns are placed.
    const int last = m_reports.deviceCode == LD4800 ? ReportLayouts::twinOffset(m_state.ReportFontSize)
                                                    : ReportLayouts::ColumnCount;
    int index = 2;
    for (const QString &token : tokens) {
        if (index > last)
            break;
        if (isPlaceholder(token) || token == QLatin1String("Remarks")) {
            ++index;
            continue;
        }
        placeToken(index, token);
        index += ColumnObjects::isGroup(token) ? 4 : 1;
        if (columnPlaced)
            columnPlaced();
    }
}

// A saved caption is placed as the entry that writes it, so every model's columns reload with
// their values ("Freq." as "Frequency"). A token no entry writes keeps its header, without values.
QString LayoutFiles::entryFor(const QString &token) const
{
    for (const QString &entry : ColumnObjects::entries(m_reports.deviceCode))
        if (entry == token || ColumnObjects::caption(m_reports.deviceCode, entry) == token)
            return entry;
    return QString();
}

void LayoutFiles::placeToken(int index, const QString &token)
{
    ReportColumns columns(m_reports.Report, m_reports.columns, m_database, m_reports.deviceCode, m_state.ReportFontSize);
    const QString letter = surfaceLetter(m_state);
    if (ColumnObjects::isGroup(token)) {
        columns.placeColumnObject(index - 2, token, m_state.CurrentTable, letter, m_prompter);
        return;
    }
    const QString entry = entryFor(token);
    columns.FillReportColumn(index, entry.isEmpty() ? token : entry, m_state.CurrentTable, letter);
    if (entry.isEmpty())
        m_reports.Report.setText(ReportLayouts::headerName(index), token);
}

void LayoutFiles::applyHeader(const QStringList &lines)
{
    const int deviceCode = m_reports.deviceCode;
    for (const QString &line : lines) {
        const QString key = line.left(9);
        const QString value = line.mid(9);
        if (key == logoKey()) {
            m_logo.place(value, deviceCode);
            continue;
        }
        for (const HeaderKey &known : alignmentKeys(deviceCode)) {
            if (key != QLatin1String(known.key))
                continue;
            const QString object = QString::fromLatin1(known.object);
            m_reports.Report.setHorAlignment(object, value.trimmed().toInt());
            m_reports.StiffyReport.setHorAlignment(object, value.trimmed().toInt());
        }
    }
    m_logo.indentCompany();
}

} // namespace valtrane::report
