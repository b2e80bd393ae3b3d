#pragma once

#include <QAbstractTableModel>
#include <QString>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::app {

// A grid's view of a record set: one row per record in the set's order, one column per field with
// the field name as caption, values as the database layer shows them as text. Edits of editable
// columns are written to the record set's row at once; the grid is told whether the value was
// stored.
//
// The model moves the record set's current row to the row it reads. Whoever else moves it calls
// resync() so the model finds its way again.
class RecordsetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsetTableModel(QObject *parent = nullptr);

    // nullptr leaves the grid without columns or rows.
    void setRecordset(db::Recordset *recordset);

    // Reads the record set's rows again.
    void requery();
    void resync() { m_position = -1; }

    void setEditableField(const QString &fieldName) { m_editableField = fieldName; }
    QString fieldName(int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // After an edit: stored is false when the record set refused the value or the write failed.
    void cellEdited(int row, const QString &fieldName, bool stored);

private:
    bool seek(int row) const;
    void countRows();

    db::Recordset *m_recordset = nullptr;
    QStringList m_fields;
    int m_rows = 0;
    mutable int m_position = -1;   // the record set's current row as this model last left it
    QString m_editableField;
};

} // namespace valtrane::app
