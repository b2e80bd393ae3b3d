#pragma once

#include "db/TableSchema.h"

#include <QVariant>
#include <optional>

namespace valtrane::db {

// A value written to a field, converted to the field's type: text or numbers to Long (rounded half
// to even, 32-bit range), Single (the nearest 32-bit float), Double, or Text (numbers as their
// plain text). nullopt when the value does not convert (an empty text into a number field
// included) or a text is longer than its field; a null QVariant gives a null field.
std::optional<QVariant> toFieldValue(const FieldDef &field, const QVariant &value);

// A value read from the file, as the field's type holds it: qint32, float, double or QString.
QVariant fromStoredValue(const FieldDef &field, const QVariant &stored);

// A stored value as text: a Single as the shortest text that reads back as the same float, a
// Double with up to 15 digits, a Long as its digits, a text as it is; a null value as "".
QString fieldText(const QVariant &value);

} // namespace valtrane::db
