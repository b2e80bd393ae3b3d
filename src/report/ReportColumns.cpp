#include "report/ReportColumns.h"

#include "common/AppState.h"
#include "common/NumberFormat.h"
#include "common/ProgramInfo.h"
#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"
#include "report/ColumnObjects.h"
#include "report/ReportLayouts.h"

namespace valtrane::report {

namespace {

constexpr QChar CarriageReturn = QLatin1Char('\r');
constexpr int LastGroupPosition = 13;  // a four-column group placed further right would not fit
constexpr int LabelInset = 60;

QString remarks()
{
    return QStringLiteral("Remarks");
}

bool isFreeHeader(const QString &header)
{
    return header.left(3).toUpper() == QLatin1String("COL");
}

} // namespace

ReportColumns::ReportColumns(ReportDocument &report, ReportColumnState &state, db::Database &database, int deviceCode, int fontSize)
    : m_report(report)
    , m_state(state)
    , m_database(database)
    , m_deviceCode(deviceCode)
    , m_fontSize(fontSize)
{
}

ReportColumns::~ReportColumns() = default;

QString ReportColumns::alreadyPlacedMessage(const QString &group)
{
    return QStringLiteral("Report already contains %1 Values").arg(group);
}

QString ReportColumns::selectionSql(int deviceCode, const QString &table, const QString &surfaceLetter)
{
    if (deviceCode == NG7700A || deviceCode == NG7700B)
        return QStringLiteral("SELECT * FROM P") + table + QStringLiteral(" WHERE SA = '") + surfaceLetter
               + QStringLiteral("' AND RDNUM > 0");
    return QStringLiteral("SELECT * FROM ") + table;
}

QString ReportColumns::GetColumnValue(db::Recordset &records, const QString &captionOrKey, int deviceCode)
{
    return fieldValue(records, ColumnObjects::field(deviceCode, captionOrKey), deviceCode);
}

QString ReportColumns::fieldValue(db::Recordset &records, const QString &field, int deviceCode)
{
    if (field.isEmpty())
        return QString();
    bool ok = false;
    const QVariant value = records.field(field, &ok);
    if (!ok || value.isNull())
        return QString();
    if (deviceCode == LD4800 && field.startsWith(QLatin1String("CH")))
        return formatNumber(value.toDouble(), u"#0.#0");
    return db::fieldText(value);
}

std::pair<QString, QString> ReportColumns::stackValues(db::Recordset &records, const QString &field, int deviceCode, int fontSize)
{
    const int rowsPerColumn = ReportDocument::rowsPerColumn(fontSize);
    const bool halves = deviceCode == LD4800 && records.recordCount() > rowsPerColumn;
    QString left;
    QString right;
    bool toRight = false;
    int number = 0;
    for (records.moveFirst(); !records.isEOF(); records.moveNext()) {
        ++number;
        if (halves && number % rowsPerColumn == 0)
            toRight = !toRight;
        (toRight ? right : left) += fieldValue(records, field, deviceCode) + CarriageReturn;
    }
    return {left, right};
}

db::Recordset *ReportColumns::selection(const QString &table, const QString &surfaceLetter)
{
    const QString sql = selectionSql(m_deviceCode, table, surfaceLetter);
    if (!m_selection || sql != m_selectionSql) {
        m_selection = m_database.openRecordset(sql);
        m_selectionSql = sql;
    }
    return m_selection.get();
}

int ReportColumns::lastIndex() const
{
    return m_deviceCode == LD4800 ? ReportLayouts::twinOffset(m_fontSize) : ReportLayouts::ColumnCount;
}

int ReportColumns::NextFreeColumn() const
{
    for (int i = lastIndex(); i >= 1; --i)
        if (m_report.text(ReportLayouts::headerName(i)) != ReportLayouts::placeholder(m_deviceCode, m_fontSize, i))
            return i + 1;
    return 1;
}

void ReportColumns::ResetColumnHeader(int index)
{
    m_report.setText(ReportLayouts::headerName(index), ReportLayouts::placeholder(m_deviceCode, m_fontSize, index));
    if (m_deviceCode == LD4800 && index <= ReportLayouts::twinOffset(m_fontSize)) {
        const int twin = index + ReportLayouts::twinOffset(m_fontSize);
        m_report.setText(ReportLayouts::headerName(twin), ReportLayouts::placeholder(m_deviceCode, m_fontSize, twin));
    }
}

void ReportColumns::PlaceRemarksColumn()
{
    // The "RD#" column is never given up to the remarks, and a report with every column used
    // has no room left for them.
    const int index = std::max<int>(2, m_state.RemarksColumnIndex);
    if (index <= lastIndex()) {
        m_report.setText(ReportLayouts::headerName(index), remarks());
        m_report.setText(ReportLayouts::dataName(index), QStringLiteral(" "));
        if (m_deviceCode == LD4800) {
            const int half = ReportLayouts::twinOffset(m_fontSize);
            m_report.setText(ReportLayouts::headerName(index + half), remarks());
            m_report.setText(ReportLayouts::dataName(index + half), QStringLiteral(" "));
            m_report.setText(ReportLayouts::headerName(1 + half), QStringLiteral("RD#"));
        }
    }
    // Columns the layout does not print at this size keep their borders hidden.
    const int used = ReportLayouts::usedColumns(m_deviceCode, m_fontSize);
    for (int i = 2; i <= ReportLayouts::ColumnCount; ++i) {
        const QString header = m_report.text(ReportLayouts::headerName(i));
        m_report.setSuppress(ReportLayouts::borderName(i), i > used || isFreeHeader(header) || header == remarks());
    }
}

void ReportColumns::ShowPlaceholderColumns(bool hide)
{
    const int used = ReportLayouts::usedColumns(m_deviceCode, m_fontSize);
    for (int i = 2; i <= used; ++i) {
        if (m_report.text(ReportLayouts::headerName(i)) != ReportLayouts::placeholder(m_deviceCode, m_fontSize, i))
            continue;
        for (const QString &name : {ReportLayouts::headerName(i), ReportLayouts::dataName(i), ReportLayouts::borderName(i)})
            m_report.setSuppress(name, hide);
    }
    // Shown again, the borders follow the used columns as before printing.
    if (!hide)
        PlaceRemarksColumn();
}

bool ReportColumns::clearGroupAt(int index)
{
    struct Group {
        bool &placed;
        std::int16_t &last;
        QString entry;
    };
    Group groups[] = {{m_state.NoiseDataPlaced, m_state.NoiseDataLastColumn, ColumnObjects::noiseData()},
                      {m_state.SignalDataPlaced, m_state.SignalDataLastColumn, ColumnObjects::signalData()}};
    for (Group &group : groups) {
        if (!group.placed || index < group.last - 3 || index > group.last)
            continue;
        for (int i = group.last - 3; i <= group.last; ++i) {
            ResetColumnHeader(i);
            m_report.setText(ReportLayouts::dataName(i), QStringLiteral(" "));
        }
        m_report.setSuppress(ReportLayouts::groupLabelName(group.entry), true);
        group.placed = false;
        return true;
    }
    return false;
}

void ReportColumns::writeColumn(int index, const QString &header, const std::pair<QString, QString> &values)
{
    m_report.setText(ReportLayouts::headerName(index), header);
    m_report.setText(ReportLayouts::dataName(index), values.first.isEmpty() ? QStringLiteral(" ") : values.first);
    if (m_deviceCode == LD4800) {
        const int twin = index + ReportLayouts::twinOffset(m_fontSize);
        if (header != ReportLayouts::placeholder(m_deviceCode, m_fontSize, index))
            m_report.setText(ReportLayouts::headerName(twin), header);
        m_report.setText(ReportLayouts::dataName(twin), values.second.isEmpty() ? QStringLiteral(" ") : values.second);
    }
}

void ReportColumns::FillReportColumn(int index, const QString &object, const QString &table, const QString &surfaceLetter)
{
    if (index < 1 || index > ReportLayouts::ColumnCount)
        return;
    // The remarks column is taken away before any column changes and put back after the used
    // ones, so that a report never shows two of them.
    if (m_report.text(ReportLayouts::headerName(m_state.RemarksColumnIndex)) == remarks())
        ResetColumnHeader(m_state.RemarksColumnIndex);

    if (object == ColumnObjects::none()) {
        // "None" gives the column back: its placeholder and an empty data object; inside a
        // placed group the whole group goes.
        if (!clearGroupAt(index)) {
            ResetColumnHeader(index);
            writeColumn(index, ReportLayouts::placeholder(m_deviceCode, m_fontSize, index), {});
        }
    } else {
        std::pair<QString, QString> values;
        const QString caption = ColumnObjects::caption(m_deviceCode, object);
        const QString lookup = m_deviceCode == SG2150 ? object : caption;
        if (db::Recordset *records = selection(table, surfaceLetter))
            values = stackValues(*records, ColumnObjects::field(m_deviceCode, lookup), m_deviceCode, m_fontSize);
        writeColumn(index, caption, values);
    }
    m_state.RemarksColumnIndex = std::int16_t(NextFreeColumn());
    PlaceRemarksColumn();
}

void ReportColumns::showGroupLabel(const QString &group, int firstIndex)
{
    const QString label = ReportLayouts::groupLabelName(group);
    const int left = m_report.left(ReportLayouts::borderName(firstIndex));
    const int right = m_report.left(ReportLayouts::borderName(firstIndex + 3)) + m_report.width(ReportLayouts::borderName(firstIndex + 3));
    m_report.setLeft(label, left);
    m_report.setWidth(label, right - left - LabelInset);
    m_report.setText(label, ColumnObjects::groupLabel(group));
    m_report.setHorAlignment(label, CentreAlign);
    m_report.setFontSize(label, m_fontSize);
    m_report.setSuppress(label, false);
}

ReportColumns::Placement ReportColumns::placeColumnObject(int listPosition, const QString &object, const QString &table,
                                                          const QString &surfaceLetter, Prompter &prompter)
{
    const auto refuse = [&prompter](const QString &message) {
        prompter.tell(message, program::title());
        return Placement::Refused;
    };
    if (listPosition < 0 || listPosition >= ColumnObjects::columnList(m_deviceCode, m_fontSize).size())
        return refuse(selectColumnMessage());
    if (table.isEmpty() && surfaceLetter.isEmpty())
        return Placement::NothingSelected;
    const bool group = ColumnObjects::isGroup(object);
    if (object == ColumnObjects::noiseData() && m_state.NoiseDataPlaced)
        return refuse(alreadyPlacedMessage(ColumnObjects::noiseData()));
    if (object == ColumnObjects::signalData() && m_state.SignalDataPlaced)
        return refuse(alreadyPlacedMessage(ColumnObjects::signalData()));
    if (group && listPosition > LastGroupPosition)
        return refuse(noRoomMessage());
    if (!group) {
        FillReportColumn(listPosition + 2, object, table, surfaceLetter);
        return Placement::Placed;
    }
    const bool noise = object == ColumnObjects::noiseData();
    (noise ? m_state.NoiseDataPlaced : m_state.SignalDataPlaced) = true;
    (noise ? m_state.NoiseDataLastColumn : m_state.SignalDataLastColumn) = std::int16_t(listPosition + 5);
    showGroupLabel(object, listPosition + 2);
    const QStringList keys = ColumnObjects::groupKeys(object);
    for (int k = 0; k < keys.size(); ++k)
        FillReportColumn(listPosition + 2 + k, keys[k], table, surfaceLetter);
    return Placement::Placed;
}

} // namespace valtrane::report
