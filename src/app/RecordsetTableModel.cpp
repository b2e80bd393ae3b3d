#include "app/RecordsetTableModel.h"

#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::app {

RecordsetTableModel::RecordsetTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RecordsetTableModel::setRecordset(db::Recordset *recordset)
{
    beginResetModel();
    m_recordset = recordset;
    m_fields = recordset ? recordset->fieldNames() : QStringList();
    countRows();
    endResetModel();
}

void RecordsetTableModel::requery()
{
    beginResetModel();
    if (m_recordset)
        m_recordset->requery();
    countRows();
    endResetModel();
}

void RecordsetTableModel::countRows()
{
    m_rows = m_recordset ? m_recordset->recordCount() : 0;
    m_position = -1;
}

QString RecordsetTableModel::fieldName(int column) const
{
    return column >= 0 && column < m_fields.size() ? m_fields.at(column) : QString();
}

int RecordsetTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordsetTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

bool RecordsetTableModel::seek(int row) const
{
    if (!m_recordset || row < 0 || row >= m_rows)
        return false;
    // Grids read rows near the last one, so walking from there is cheap; a far jump back
    // starts again at the first row.
    if (m_position < 0 || row < m_position / 2) {
        if (!m_recordset->moveFirst())
            return false;
        m_position = 0;
    }
    while (m_position < row && m_recordset->moveNext())
        ++m_position;
    while (m_position > row && m_recordset->movePrevious())
        --m_position;
    return m_position == row && !m_recordset->isEOF();
}

QVariant RecordsetTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    if (!seek(index.row()))
        return QVariant();
    return db::fieldText(m_recordset->field(index.column()));
}

QVariant RecordsetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return fieldName(section);
    return section + 1;
}

Qt::ItemFlags RecordsetTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_editableField.isEmpty() && fieldName(index.column()).compare(m_editableField, Qt::CaseInsensitive) == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordsetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString field = fieldName(index.column());
    bool stored = seek(index.row()) && m_recordset->setField(field, value) && m_recordset->update();
    if (!stored && m_recordset)
        m_recordset->cancelUpdate();
    if (stored)
        emit dataChanged(index, index);
    emit cellEdited(index.row(), field, stored);
    return stored;
}

} // namespace valtrane::app
