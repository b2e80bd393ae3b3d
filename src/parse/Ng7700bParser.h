#pragma once

#include <QChar>
#include <QString>

namespace valtrane::parse {

class ParseRun;

// The NG7700B nuclear gauge's report: labelled header lines ("LABEL: value", "LABEL=value") that
// give the serial number, calibration date and each project's header record, and comma-separated
// readings filed in the project's table ("P" & identifier, kind 2). The report ends with the line
// " B   .", after 1001 empty reads in a row, or with the end byte.
class Ng7700bParser {
public:
    explicit Ng7700bParser(ParseRun &run) : m_run(run) {}

    // One character (NoChar for an empty read): 89 when the stream is complete, otherwise 0.
    int parse(int ch);

private:
    void labelColon();
    void labelEquals();
    void headerValue(QChar c);
    void projectHeader(const QString &id);
    void equalsValue(QChar c);
    bool endOfField();
    bool storeField(int k, QStringView t);
    bool endOfLine();
    bool fixUp();

    ParseRun &m_run;
};

} // namespace valtrane::parse
