#include "db/FieldValue.h"

#include "common/VbConvert.h"

namespace valtrane::db {

namespace {

bool isText(const QVariant &v)
{
    return v.typeId() == QMetaType::QString;
}

std::optional<double> numberOf(const QVariant &v)
{
    if (isText(v))
        return vb::toDouble(v.toString());
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

QString textOf(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Float: return vb::singleToText(v.toFloat());
    case QMetaType::Double: return vb::doubleToText(v.toDouble());
    default: return v.toString();
    }
}

} // namespace

QString fieldText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    return textOf(value);
}

std::optional<QVariant> toFieldValue(const FieldDef &field, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (field.type) {
    case FieldType::Long: {
        const auto d = numberOf(value);
        const auto l = d ? vb::toLong(*d) : std::nullopt;
        return l ? std::optional<QVariant>(QVariant(qint32(*l))) : std::nullopt;
    }
    case FieldType::Single: {
        const auto d = numberOf(value);
        const auto f = d ? vb::toSingle(*d) : std::nullopt;
        return f ? std::optional<QVariant>(QVariant(*f)) : std::nullopt;
    }
    case FieldType::Double: {
        const auto d = numberOf(value);
        return d ? std::optional<QVariant>(QVariant(*d)) : std::nullopt;
    }
    case FieldType::Text: {
        const QString text = textOf(value);
        if (field.size > 0 && text.size() > field.size)
            return std::nullopt;
        return QVariant(text);
    }
    }
    return std::nullopt;
}

QVariant fromStoredValue(const FieldDef &field, const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    switch (field.type) {
    case FieldType::Long: return QVariant(qint32(stored.toLongLong()));
    case FieldType::Single: return QVariant(float(stored.toDouble()));
    case FieldType::Double: return QVariant(stored.toDouble());
    case FieldType::Text: return QVariant(stored.toString());
    }
    return stored;
}

} // namespace valtrane::db
