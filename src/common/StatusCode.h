#pragma once

#include <QString>
#include <cstdint>

// The small integer codes that cross subsystem borders instead of exceptions. They are the values
// of LastStatus, of GetData, of Create and of the parse calls.
namespace valtrane::status {

constexpr std::int16_t Ok = 0;
constexpr std::int16_t StreamComplete = 89;
constexpr std::int16_t PortTimeout = 99;
constexpr std::int16_t DatabaseLocked = 789;
constexpr std::int16_t DatabaseNotCreated = 909;
constexpr std::int16_t DatabaseFileMissing = 910;
constexpr std::int16_t AbortedWhileReceiving = 1978;
constexpr std::int16_t CommunicationError = 4545;
constexpr std::int16_t NoTablesCreated = 5454;
constexpr std::int16_t BadByte = 5555;
constexpr std::int16_t CommEventWhileWaiting = 7272;
constexpr std::int16_t StiffnessParserError = 9876;

// A short text for people: what the code means. Unknown codes read "status <n>".
QString meaning(int code);

} // namespace valtrane::status
