#pragma once

#include "db/SqlText.h"
#include "db/TableSchema.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace valtrane::db {

class Database;

// The rows of one table that match a condition, in ascending primary-key order, with a current
// row. Rows are read only when first needed, so opening a record set just to add rows costs
// nothing. Field names match without regard to case; a value written is converted to the field's
// type (FieldValue), and a value that does not convert fails the write. In the condition, text
// fields compare without regard to case and number fields as numbers.
//
// Adding: addNew(), setField()..., update(). Changing: edit() (or just setField() on the current
// row), setField()..., update(). Every operation returns false when it cannot be done; the record
// set is then as it was.
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    const QString &tableName() const { return m_schema.name; }
    const TableSchema &schema() const { return m_schema; }
    QStringList fieldNames() const;
    bool isOpen() const { return m_db != nullptr; }
    void close();

    bool addNew();
    bool edit();
    bool setField(QStringView name, const QVariant &value);
    bool update();
    void cancelUpdate();

    // The named field of the row being added or edited, else of the current row; a null QVariant
    // for a null field; an invalid QVariant with ok false when there is no such field or row.
    QVariant field(QStringView name, bool *ok = nullptr);
    QVariant field(int index, bool *ok = nullptr);

    bool moveFirst();
    bool moveNext();
    bool movePrevious();
    bool moveLast();
    bool isEOF();
    bool isBOF();
    int recordCount();
    // Reads the rows again; the current row becomes the first.
    bool requery();

private:
    friend class Database;
    Recordset(Database &db, TableSchema schema, std::vector<Condition> conditions);

    enum class EditMode { None, Adding, Editing };

    bool ensureLoaded();
    bool load();
    bool insertBuffer();
    bool updateCurrent();

    Database *m_db;
    TableSchema m_schema;
    std::vector<Condition> m_conditions;
    std::vector<std::vector<QVariant>> m_rows;
    bool m_loaded = false;
    bool m_stale = false;
    int m_position = 0;   // == rows.size() at the end, -1 before the first
    EditMode m_mode = EditMode::None;
    std::vector<QVariant> m_buffer;
    std::vector<bool> m_changed;
};

} // namespace valtrane::db
