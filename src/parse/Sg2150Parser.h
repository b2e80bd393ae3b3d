#pragma once

#include <QStringView>

namespace valtrane::parse {

class ParseRun;

// The SG2150 stiffness gauge's run data: per run a header (run number, measurement, calibration
// factor, date, time) and one line per frequency bin, comma-separated. Runs 1 to 20 of a parse run
// get a table each ("RUN" & number, kind 4) with a header row (bin 0) and the bin rows; the 21st
// and later runs add their header values only, one row each, to the table RUN21.
class Sg2150Parser {
public:
    explicit Sg2150Parser(ParseRun &run) : m_run(run) {}

    // One character (NoChar for an empty read): 9876 when a value could not be read or stored,
    // otherwise 0. The stream has no end marker of its own.
    int parse(int ch);

private:
    bool endOfToken();
    bool store(QStringView t);
    bool beginRun(QStringView n);
    bool signalToNoise(QStringView t);

    ParseRun &m_run;
};

} // namespace valtrane::parse
