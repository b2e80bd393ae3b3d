#include "db/TableRegistry.h"

#include "common/SettingsFile.h"
#include "common/VbConvert.h"

namespace valtrane::db {

QString Table_Registry(const AppPaths &paths, AppState &state, int mode, const QString &list)
{
    const QString path = paths.tableRegistry();
    if (mode == 0) {
        const auto lines = SettingsFile::readLines(path);
        if (!lines)
            return QString();
        const QString first = lines->value(0);
        if (!first.isEmpty()) {
            if (const auto code = vb::toInteger(first))
                state.DeviceCode = *code;
        }
        QString tables = lines->value(1);
        tables.remove(QLatin1Char('"'));
        return tables;
    }
    if (mode == 1) {
        paths.ensureInfoFolder();
        SettingsFile::writeLines(path, registryLines(state.DeviceCode, list));
    }
    return QString();
}

QStringList registryLines(std::int32_t deviceCode, const QString &list)
{
    return {QString::number(deviceCode), SettingsFile::quoted(list)};
}

} // namespace valtrane::db
