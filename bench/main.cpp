// valtrane-bench: speed figures of the program's hot paths, each next to a limit measured in the
// same run. Run it through scripts/bench; a name on the command line runs only the cases whose
// name contains it.
#include "Bench.h"

#include <QGuiApplication>

namespace valtrane::bench {

std::vector<BenchCase> &benchCases()
{
    static std::vector<BenchCase> cases;
    return cases;
}

void BenchReport::figure(const QString &what, double value, const QString &unit)
{
    m_out << "  " << what.leftJustified(58) << " " << QString::number(value, 'f', 3).rightJustified(12) << " " << unit << "\n";
    m_out.flush();
}

void BenchReport::ratio(const QString &what, double measured, double limit, double goal)
{
    const double r = limit > 0 ? measured / limit : 0;
    m_out << "  " << what.leftJustified(58) << " " << QString::number(r, 'f', 2).rightJustified(12) << " x"
          << "   (goal " << (r <= goal ? "<= " : "exceeded: <= ") << goal << ")\n";
    m_out.flush();
}

double seconds(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace valtrane::bench

int main(int argc, char **argv)
{
    // Reports draw text, which needs the font system of a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList filters = app.arguments().mid(1);
    for (const auto &c : valtrane::bench::benchCases()) {
        bool wanted = filters.isEmpty();
        for (const QString &f : filters)
            wanted = wanted || c.name.contains(f, Qt::CaseInsensitive);
        if (!wanted)
            continue;
        out << c.name << "\n";
        out.flush();
        valtrane::bench::BenchReport report(out);
        c.run(report);
    }
    return 0;
}
