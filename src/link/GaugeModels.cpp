#include "link/GaugeModels.h"

#include "common/AppState.h"

#include <QStringList>

namespace valtrane::link {

namespace {
const QStringList &names()
{
    static const QStringList list{QStringLiteral("LD4800"), QStringLiteral("NG7700A"), QStringLiteral("NG7700B"),
                                  QStringLiteral("SG2150")};
    return list;
}
} // namespace

QString modelName(int deviceCode)
{
    return deviceCode >= LD4800 && deviceCode <= SG2150 ? names().at(deviceCode) : QString();
}

std::optional<int> modelFromName(const QString &name)
{
    for (int code = LD4800; code <= SG2150; ++code) {
        if (names().at(code).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return code;
    }
    return std::nullopt;
}

QString modelNames()
{
    return names().mid(0, 3).join(QStringLiteral(", ")) + QStringLiteral(" or ") + names().last();
}

} // namespace valtrane::link
