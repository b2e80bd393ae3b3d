#pragma once

#include "link/StreamParser.h"
#include "parse/Parse.h"

namespace valtrane::link {

// The gauge grammars behind the read loop: the parse run, with the download code choosing the
// grammar (0 and 3 the load-frame logger, single and continuous; 1 NG7700A; 2 NG7700B; 4 SG2150).
class LiveParser : public StreamParser {
public:
    LiveParser(const AppPaths &paths, AppState &state);

    std::int16_t Initit(const QString &tableList) override { return m_parse.Initit(tableList); }
    void DeInit() override { m_parse.DeInit(); }
    QString retrn_message() const override { return m_parse.retrn_message(); }
    int parse(std::int32_t downloadCode, int ch) override;
    void commit() override { m_parse.commit(); }
    void setDatabaseFile(const QString &path) override { m_parse.setDatabaseFile(path); }
    bool writeFailed() const override { return m_parse.writeFailed(); }
    QStringList sharedTables() const override { return m_parse.sharedTables(); }

private:
    parse::Parse m_parse;
};

} // namespace valtrane::link
