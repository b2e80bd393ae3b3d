#pragma once

#include <QByteArray>

namespace valtrane::parse {

// A realistic report of each gauge model (DeviceCode numbering: 0 LD4800, 1 NG7700A, 2 NG7700B,
// 3 SG2150) exactly as the gauge sends it over its port, with several projects, tests or runs, and
// the end byte where the model sends one. The gauge simulator sends these; tests parse them.
QByteArray sampleStream(int deviceCode);

} // namespace valtrane::parse
