#include "parse/Parse.h"

namespace valtrane::parse {

class ParseRun {};

Parse::Parse(const AppPaths &paths, AppState &state)
    : m_paths(paths)
    , m_state(state)
{
}

Parse::~Parse() = default;

std::int16_t Parse::Initit(const QString &)
{
    return 0;
}

void Parse::DeInit() {}

QString Parse::retrn_message() const
{
    return QString();
}

int Parse::Parse_LD4800(int) { return 0; }
int Parse::Parse_NG7700A(int) { return 0; }
int Parse::Parse_NG7700B(int) { return 0; }
int Parse::Parse_SG2150(int) { return 0; }
void Parse::commit() {}

} // namespace valtrane::parse
