#pragma once

#include <QChar>

namespace valtrane::parse {

class ParseRun;

// The NG7700A nuclear gauge's fixed-column compaction control report: the serial number and
// calibration date from each report's title line, then one row per reading in the table of its
// project ("P" & identifier, kind 1). Fields are separated by runs of blanks; a soil reading has 21
// columns, an asphalt reading ("A" in S/A) 19. The averages after "DATA:" are skipped.
class Ng7700aParser {
public:
    explicit Ng7700aParser(ParseRun &run) : m_run(run) {}

    // One character of the stream (NoChar for an empty read). The stream has no end marker of its
    // own, so the result is always 0.
    int parse(int ch);

private:
    bool colon();
    void headerCharacter(QChar c);
    void dataCharacter(QChar c);
    void storeField();
    bool beginReading();
    bool selectProject(const QString &id);

    ParseRun &m_run;
};

} // namespace valtrane::parse
