#include "common/StiffnessConstants.h"

#include "common/VbConvert.h"

namespace valtrane {

double StiffnessConstant::toDouble() const
{
    if (const auto *number = std::get_if<double>(&m_value))
        return *number;
    if (const auto *text = std::get_if<QString>(&m_value))
        return vb::toDouble(*text).value_or(0.0);
    return 0.0;
}

QString StiffnessConstant::text() const
{
    if (const auto *number = std::get_if<double>(&m_value))
        return vb::doubleToText(*number);
    if (const auto *text = std::get_if<QString>(&m_value))
        return *text;
    return QString();
}

} // namespace valtrane
