#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <vector>

namespace valtrane::bench {

// One measured figure and, where there is one, the limit it is compared with in the same run.
class BenchReport {
public:
    explicit BenchReport(QTextStream &out) : m_out(out) {}
    void figure(const QString &what, double value, const QString &unit);
    void ratio(const QString &what, double measured, double limit, double goal);
    QTextStream &out() { return m_out; }

private:
    QTextStream &m_out;
};

struct BenchCase {
    QString name;
    std::function<void(BenchReport &)> run;
};

// Bench cases register themselves; each file of bench/ adds its own.
std::vector<BenchCase> &benchCases();

struct Register {
    Register(const char *name, std::function<void(BenchReport &)> run) { benchCases().push_back({QString::fromLatin1(name), std::move(run)}); }
};

// Seconds taken by f.
double seconds(const std::function<void()> &f);

} // namespace valtrane::bench
