#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <initializer_list>
#include <vector>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::exporting {

// A field of a report layout: its name, the width its value is right-aligned to and the column
// (counted from 1) where it starts; 0 where the layout does not place it.
struct LayoutField {
    QStringView name;
    int width = 0;
    int column = 0;
};

// The fields a report writes from a table, looked up by name once per table rather than once per
// record. A table that lacks one of them is not a table of that gauge model.
class RecordFields {
public:
    RecordFields(db::Recordset &records, std::initializer_list<QStringView> names);
    RecordFields(db::Recordset &records, const std::vector<LayoutField> &layout);

    // True when the table has every field; else false, with error naming the first one missing.
    bool found(QString &error) const;

    // The value of field i (in the order given) of the current record, as stored or as text; a
    // null value reads as the empty text.
    QVariant value(int i) const;
    QString text(int i) const;
    // text(i) right-aligned to width.
    QString aligned(int i, int width) const;

private:
    void find(QStringView name);

    db::Recordset &m_records;
    std::vector<int> m_indices;
    QString m_missing;
};

} // namespace valtrane::exporting
