#pragma once

#include <QChar>
#include <QStringView>

namespace valtrane::parse {

class ParseRun;

// The LD4800 load-frame logger's test printout: a heading line naming the test kind opens the
// test's table (kind prefix & counter, kind 0), a line of channel names, then one row per reading
// line (read number, time, four channels). "END" completes the test.
class Ld4800Parser {
public:
    explicit Ld4800Parser(ParseRun &run) : m_run(run) {}

    // One character (NoChar for an empty read): 89 when a test is complete, otherwise 0.
    int parse(int ch);

private:
    void endOfField();
    bool storeNumber(int k, double number);
    void storeName(int k, QStringView t);
    void endOfLine();
    bool openTest(QStringView heading);

    ParseRun &m_run;
};

} // namespace valtrane::parse
