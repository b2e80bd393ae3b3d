#pragma once

#include <QString>
#include <optional>

namespace valtrane::link {

// The gauge models by DeviceCode (0 LD4800, 1 NG7700A, 2 NG7700B, 3 SG2150) and by name.
QString modelName(int deviceCode);
// The DeviceCode of a model name, in any case; nullopt for an unknown name.
std::optional<int> modelFromName(const QString &name);
// The names, for messages: "LD4800, NG7700A, NG7700B or SG2150".
QString modelNames();

} // namespace valtrane::link
