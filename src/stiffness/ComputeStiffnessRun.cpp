#include "stiffness/ComputeStiffnessRun.h"

#include "common/NumberFormat.h"
#include "common/VbConvert.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

#include <cmath>

namespace valtrane::stiffness {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr double LbfPerInPerMnPerM = 1000000 / (39.37 * 4.448);
// Metres per inch times the foot radius in inches, once for each modulus.
constexpr double YoungsRingFactor = 1.77 * 0.0254 * 2.25;
constexpr double ShearRingFactor = 3.54 * 0.0254 * 2.25;
constexpr double PsiPerMpa = 145.0;
constexpr double NewtonsPerMeganewton = 1000000;
constexpr int SummaryOnlyAbove = 20;

const QString NotAvailable = QStringLiteral("NA");
const QString OverloadBlank = QStringLiteral(" ");
const QString OneDecimal = QStringLiteral("0.0");

// The constants as the formulas use them.
struct Inputs {
    double moisture;       // w
    double assemblyMass;   // m, kg
    double poisson;        // nu
    double densityPcf;     // Po, pcf
    double slope;          // S
    double intercept;      // I
    double densityKgPerM3; // Po, kg/m^3
};

Inputs inputsOf(const StiffnessConstants &c)
{
    return {c[MeasMs].toDouble(), c[Assmas].toDouble(), c[Poisra].toDouble(), c[Densit].toDouble(),
            c[Slopes].toDouble(), c[Interc].toDouble(), c[Densi2].toDouble()};
}

// A stored number; empty for a field without a value.
std::optional<double> numberOf(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

// Converter counts to volts: 10 V over 4096 counts, offset 5 V.
std::optional<double> voltsOf(const QVariant &counts)
{
    const auto x = numberOf(counts);
    return x ? std::optional<double>(*x * 10 / 4096 - 5) : std::nullopt;
}

double Log10(double x)
{
    return std::log(x) / std::log(10.0);
}

QString oneDecimal(std::optional<double> value)
{
    return value && std::isfinite(*value) ? formatNumber(*value, OneDecimal) : NotAvailable;
}

// 10 log10 of signal power over noise power. Zero power on either side has no ratio: "NA".
QString snrText(std::optional<double> sRe, std::optional<double> sIm, std::optional<double> nRe, std::optional<double> nIm)
{
    if (!sRe || !sIm || !nRe || !nIm)
        return NotAvailable;
    return oneDecimal(10 * Log10((*sRe * *sRe + *sIm * *sIm) / (*nRe * *nRe + *nIm * *nIm)));
}

// The six results of a stiffness K in MN/m.
void setResults(StiffnessBinResult &bin, double k, double poisson)
{
    const double youngs = k * (1 - poisson * poisson) / YoungsRingFactor;
    const double shear = k * (1 - poisson) / ShearRingFactor;
    bin.values = {k, k * LbfPerInPerMnPerM, youngs, youngs * PsiPerMpa, shear, shear * PsiPerMpa};
    for (int i = 0; i < StiffnessResultCount; ++i)
        bin.results[size_t(i)] = oneDecimal(bin.values[size_t(i)]);
}

void setResults(StiffnessBinResult &bin, std::optional<double> k, double poisson)
{
    if (k && std::isfinite(*k)) {
        setResults(bin, *k, poisson);
    } else {
        bin.results.fill(NotAvailable);
        bin.values.fill(std::nullopt);
    }
}

bool isUsable(const StiffnessRecord &r)
{
    // A flag without a value does not vouch for the bin either.
    return numberOf(r.noiseOverload) == 0.0 && numberOf(r.signalOverload) == 0.0;
}

StiffnessBinResult fullRunBin(const StiffnessRecord &r, std::optional<double> calFactor, const Inputs &in)
{
    StiffnessBinResult bin;
    bin.binNumber = db::fieldText(r.binNumber);
    bin.frequency = db::fieldText(r.frequency);
    const auto a = voltsOf(r.realDisplSd), b = voltsOf(r.imagDisplSd);
    const auto c = voltsOf(r.realForceSd), d = voltsOf(r.imagForceSd);
    bin.displacementSnr = snrText(a, b, voltsOf(r.realDisplNd), voltsOf(r.imagDisplNd));
    bin.forceSnr = snrText(c, d, voltsOf(r.realForceNd), voltsOf(r.imagForceNd));

    if (!isUsable(r)) {
        bin.results.fill(OverloadBlank);
        return bin;
    }
    const auto f = numberOf(r.frequency);
    std::optional<double> k;
    if (a && b && c && d && f && calFactor) {
        const double omega = 2 * Pi * *f;
        k = -*calFactor * (*a * *c + *b * *d) / (*a * *a + *b * *b) + in.assemblyMass * (omega * omega) / NewtonsPerMeganewton;
    }
    setResults(bin, k, in.poisson);
    return bin;
}

StiffnessBinResult summaryRow(const StiffnessRecord &r, const Inputs &in)
{
    StiffnessBinResult bin;
    bin.binNumber = db::fieldText(r.binNumber);
    bin.frequency = NotAvailable;
    bin.displacementSnr = NotAvailable;
    bin.forceSnr = NotAvailable;
    setResults(bin, numberOf(r.measure), in.poisson);
    return bin;
}

// The estimated dry density factor at the average stiffness, in the order the calibration line
// "C vs. K/m" is read. A zero moisture content or stiffness leaves it undefined.
std::optional<double> densityFactor(double meanStiffness, const Inputs &in)
{
    if (in.moisture == 0 || meanStiffness == 0)
        return std::nullopt;
    double t = (meanStiffness / in.moisture) * in.slope;
    t = in.intercept + t;
    t = in.moisture * t;
    t = t / meanStiffness;
    t = t - 0.3;
    // Below the calibration's base the root keeps the sign.
    t = t < 0 ? -std::sqrt(std::fabs(t)) : std::pow(t, 0.5);
    t = t * 1.2;
    t = t + 1.0;
    return std::isfinite(t) && t != 0 ? std::optional<double>(t) : std::nullopt;
}

void setDensities(StiffnessRunResult &run, std::optional<double> meanStiffness, const Inputs &in)
{
    run.densityPcf = NotAvailable;
    run.densityKgPerM3 = NotAvailable;
    const auto factor = meanStiffness ? densityFactor(*meanStiffness, in) : std::nullopt;
    if (!factor)
        return;
    const double pcf = vb::roundHalfEven(in.densityPcf / *factor, 1);
    const double kg = vb::roundHalfEven(in.densityKgPerM3 / *factor, 1);
    if (std::isfinite(pcf))
        run.densityPcf = vb::doubleToText(pcf);
    if (std::isfinite(kg))
        run.densityKgPerM3 = formatNumber(kg, OneDecimal);
}

// The sums are divided by the number of bins of the run. A bin that shows no results (overloaded,
// or a value that cannot be computed) enters its sum at the mean of the bins that do: counted as
// zero it would pull the run's stiffness, and the density estimated from it, below every value on
// the report. Counted so, the division by the bins of the run gives the mean of the bins with
// results. With no bin showing results the averages are "NA".
std::optional<double> setAverages(StiffnessRunResult &run)
{
    std::array<double, StiffnessResultCount> sums{};
    int counted = 0;
    for (const StiffnessBinResult &bin : run.bins) {
        if (!bin.values[StiffnessMnPerM])
            continue;
        ++counted;
        for (int i = 0; i < StiffnessResultCount; ++i)
            sums[size_t(i)] += *bin.values[size_t(i)];
    }
    if (counted == 0) {
        run.averages.fill(NotAvailable);
        return std::nullopt;
    }
    for (int i = 0; i < StiffnessResultCount; ++i)
        run.averages[size_t(i)] = oneDecimal(sums[size_t(i)] / counted);
    return sums[StiffnessMnPerM] / counted;
}

} // namespace

std::vector<StiffnessRecord> readStiffnessRecords(db::Recordset &records)
{
    std::vector<StiffnessRecord> list;
    for (records.moveFirst(); !records.isEOF(); records.moveNext()) {
        StiffnessRecord r;
        r.runNumber = records.field(u"RUN_NUMBER");
        r.measure = records.field(u"MEASURE");
        r.calFactor = records.field(u"CALFACTOR");
        r.date = records.field(u"DATE");
        r.time = records.field(u"TIME");
        r.binNumber = records.field(u"BIN_NUMBER");
        r.frequency = records.field(u"FREQUENCY");
        r.realDisplNd = records.field(u"REAL_DISPL_ND");
        r.imagDisplNd = records.field(u"IMAG_DISPL_ND");
        r.realForceNd = records.field(u"REAL_FORCE_ND");
        r.imagForceNd = records.field(u"IMAG_FORCE_ND");
        r.realDisplSd = records.field(u"REAL_DISPL_SD");
        r.imagDisplSd = records.field(u"IMAG_DISPL_SD");
        r.realForceSd = records.field(u"REAL_FORCE_SD");
        r.imagForceSd = records.field(u"IMAG_FORCE_SD");
        r.noiseOverload = records.field(u"NOISE_OL_FLAG");
        r.signalOverload = records.field(u"SIGNL_OL_FLAG");
        list.push_back(std::move(r));
    }
    return list;
}

StiffnessRunResult ComputeStiffnessRun(const std::vector<StiffnessRecord> &records, const StiffnessConstants &constants)
{
    const Inputs in = inputsOf(constants);
    StiffnessRunResult run;
    run.moistureContent = constants[MeasMs].text();
    const auto runNumber = records.empty() ? std::nullopt : numberOf(records.front().runNumber);
    run.summaryOnly = runNumber && *runNumber > SummaryOnlyAbove;

    if (run.summaryOnly) {
        for (const StiffnessRecord &r : records)
            run.bins.push_back(summaryRow(r, in));
        // No density without averages; neither unit has a value to show.
        run.densityPcf = NotAvailable;
        run.densityKgPerM3 = NotAvailable;
        return run;
    }
    const auto calFactor = records.empty() ? std::nullopt : numberOf(records.front().calFactor);
    for (size_t i = 1; i < records.size(); ++i)
        run.bins.push_back(fullRunBin(records[i], calFactor, in));
    setDensities(run, setAverages(run), in);
    return run;
}

} // namespace valtrane::stiffness
