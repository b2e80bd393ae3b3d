#pragma once

#include "common/Prompter.h"
#include "report/ReportColumnState.h"
#include "report/ReportDocument.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace valtrane::db {
class Database;
class Recordset;
}

namespace valtrane::report {

// The columns of Report: placing a column object, filling a column with the values of the
// selected readings, and keeping the "Remarks" column after the used ones. The selected readings
// are read from the database once for all the columns this object places.
class ReportColumns {
public:
    enum class Placement { Placed, NothingSelected, Refused };

    // deviceCode and fontSize as the report was laid out (DeviceCode, ReportFontSize).
    ReportColumns(ReportDocument &report, ReportColumnState &state, db::Database &database, int deviceCode, int fontSize);
    ~ReportColumns();

    // A click in the "Column Object" list: object placed at "Column List" position listPosition
    // (from 0; -1 for none selected). A refusal is told through prompter and changes nothing.
    Placement placeColumnObject(int listPosition, const QString &object, const QString &table, const QString &surfaceLetter,
                                Prompter &prompter);

    void FillReportColumn(int index, const QString &object, const QString &table, const QString &surfaceLetter);
    static QString GetColumnValue(db::Recordset &records, const QString &captionOrKey, int deviceCode);
    // The current record's field as the report prints it (the logger's channels as "#0.#0").
    static QString fieldValue(db::Recordset &records, const QString &field, int deviceCode);
    int NextFreeColumn() const;
    void PlaceRemarksColumn();
    void ResetColumnHeader(int index);
    void ShowPlaceholderColumns(bool hide);

    // The SQL text of the selected readings of a table.
    static QString selectionSql(int deviceCode, const QString &table, const QString &surfaceLetter);
    // The field's value of every record, each followed by a carriage return; for the load-frame
    // logger with more readings than a column block, dealt to the left half (first) and the right
    // half (second).
    static std::pair<QString, QString> stackValues(db::Recordset &records, const QString &field, int deviceCode, int fontSize);

    static QString selectColumnMessage() { return QStringLiteral("Select a column please."); }
    static QString noRoomMessage() { return QStringLiteral("Not enough room to place contents.  Select another column."); }
    static QString alreadyPlacedMessage(const QString &group);

private:
    bool clearGroupAt(int index);
    void showGroupLabel(const QString &group, int firstIndex);
    void writeColumn(int index, const QString &header, const std::pair<QString, QString> &values);
    int lastIndex() const;
    db::Recordset *selection(const QString &table, const QString &surfaceLetter);

    ReportDocument &m_report;
    ReportColumnState &m_state;
    db::Database &m_database;
    int m_deviceCode;
    int m_fontSize;
    QString m_selectionSql;
    std::unique_ptr<db::Recordset> m_selection;
};

} // namespace valtrane::report
