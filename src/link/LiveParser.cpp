#include "link/LiveParser.h"

namespace valtrane::link {

LiveParser::LiveParser(const AppPaths &paths, AppState &state)
    : m_parse(paths, state)
{
}

int LiveParser::parse(std::int32_t downloadCode, int ch)
{
    switch (downloadCode) {
    case 0:
    case 3: return m_parse.Parse_LD4800(ch);
    case 1: return m_parse.Parse_NG7700A(ch);
    case 2: return m_parse.Parse_NG7700B(ch);
    case 4: return m_parse.Parse_SG2150(ch);
    default: return 0;
    }
}

} // namespace valtrane::link
