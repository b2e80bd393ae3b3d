#include "report/ColumnObjects.h"

#include "common/AppState.h"

namespace valtrane::report {

namespace {

struct Entry {
    const char *entry;
    const char *caption;
    const char *field;
};

const Entry Ld4800Entries[] = {
    {"Time", "Time", "Time"}, {"CH1", "CH1", "CH1"}, {"CH2", "CH2", "CH2"}, {"CH3", "CH3", "CH3"}, {"CH4", "CH4", "CH4"},
};

const Entry Ng7700aEntries[] = {
    {"Read Date", "RDate", "RDATE"}, {"Stat", "Stat", "STAT"},          {"Offset", "Offset", "OFFSET"},
    {"Depth", "Depth", "DPT"},       {"Soil/Asph", "S/A", "SA"},        {"%Adjusted", "% Adj", "PADJ"},
    {"D Cnt", "D Cnt", "DCNT"},      {"M Cnt", "M Cnt", "MCNT"},        {"%Air void", "% AV", "PAV"},
    {"Wet Dens", "WD", "WETD"},      {"Dry Dens", "DD", "DRYD"},        {"Wat", "Wat", "WAT"},
    {"%Wat", "%Wat", "PWAT"},        {"%AC", "%AC", "PAC"},             {"Dens", "Dens", "DENS"},
    {"%Comp", "%Comp", "PCOMP"},
};

const Entry Ng7700bEntries[] = {
    {"Time", "Time", "Time"},         {"Stat1 To", "Stat1 To", "STAT1TO"}, {"Stat1", "Stat1", "STAT1"},
    {"Offset", "Offset", "OFFSET"},   {"Stat2", "Stat2", "STAT2"},         {"Lane", "Lane", "LANE"},
    {"Depth", "Depth", "DPT"},        {"Soil/Asph", "S/A", "SA"},          {"D Adj", "D Adj", "ADJ"},
    {"D Cnt", "D Cnt", "DC"},         {"M Cnt", "M Cnt", "MC"},            {"%Air void", "% AV", "AV"},
    {"Wet Dens", "WD", "WD"},         {"Dry Dens", "DD", "DD"},            {"M Cont", "M Cont", "M"},
    {"%M Cont", "%MCont", "PERCM"},   {"%Comp", "%Comp", "PERC_COMP"},
};

// The stiffness gauge's single columns; its two groups are keyed by sub-column.
const Entry Sg2150Entries[] = {
    {"Frequency", "Freq.", "FREQUENCY"},
    {"Noise Data", "", ""},
    {"Signal Data", "", ""},
    {"Noise Overload Flag", "NO Flag", "NOISE_OL_FLAG"},
    {"Signal Overload Flag", "SO Flag", "SIGNL_OL_FLAG"},
    {"R_D_ND", "", "REAL_DISPL_ND"}, {"R_F_ND", "", "REAL_FORCE_ND"}, {"I_D_ND", "", "IMAG_DISPL_ND"}, {"I_F_ND", "", "IMAG_FORCE_ND"},
    {"R_D_SD", "", "REAL_DISPL_SD"}, {"R_F_SD", "", "REAL_FORCE_SD"}, {"I_D_SD", "", "IMAG_DISPL_SD"}, {"I_F_SD", "", "IMAG_FORCE_SD"},
};
constexpr int Sg2150ListedEntries = 5;

template <size_t N>
constexpr std::pair<const Entry *, int> span(const Entry (&entries)[N])
{
    return {entries, int(N)};
}

std::pair<const Entry *, int> entriesOf(int deviceCode)
{
    switch (deviceCode) {
    case LD4800: return span(Ld4800Entries);
    case NG7700A: return span(Ng7700aEntries);
    case NG7700B: return span(Ng7700bEntries);
    case SG2150: return span(Sg2150Entries);
    default: return {nullptr, 0};
    }
}

// Each sub-column caption prints on two lines.
QString subColumnCaption(const QString &key)
{
    const QString kind = key.left(3);
    if (kind == QLatin1String("R_D"))
        return QStringLiteral("Real\rDispl.");
    if (kind == QLatin1String("R_F"))
        return QStringLiteral("Real\rForce");
    if (kind == QLatin1String("I_D"))
        return QStringLiteral("Imag.\rDispl.");
    if (kind == QLatin1String("I_F"))
        return QStringLiteral("Imag.\rForce");
    return QString();
}

} // namespace

QStringList ColumnObjects::entries(int deviceCode)
{
    QStringList list{none()};
    auto [entries, count] = entriesOf(deviceCode);
    if (deviceCode == SG2150)
        count = Sg2150ListedEntries;
    for (int i = 0; i < count; ++i)
        list.append(QString::fromLatin1(entries[i].entry));
    return list;
}

QStringList ColumnObjects::columnList(int deviceCode, int fontSize)
{
    static const int Wide[] = {17, 15, 13, 12};
    static const int LoadFrame[] = {5, 4, 4, 3};
    const int size = qBound(9, fontSize, 12) - 9;
    const int count = deviceCode == LD4800 ? LoadFrame[size] : Wide[size];
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(QStringLiteral("Column%1").arg(i));
    return list;
}

QString ColumnObjects::caption(int deviceCode, const QString &entryOrKey)
{
    if (deviceCode == SG2150 && (groupKeys(noiseData()) + groupKeys(signalData())).contains(entryOrKey))
        return subColumnCaption(entryOrKey);
    const auto [entries, count] = entriesOf(deviceCode);
    for (int i = 0; i < count; ++i)
        if (entryOrKey == QLatin1String(entries[i].entry))
            return QString::fromLatin1(entries[i].caption);
    return QString();
}

QString ColumnObjects::field(int deviceCode, const QString &captionOrKey)
{
    const auto [entries, count] = entriesOf(deviceCode);
    for (int i = 0; i < count; ++i) {
        const char *name = deviceCode == SG2150 ? entries[i].entry : entries[i].caption;
        if (captionOrKey == QLatin1String(name))
            return QString::fromLatin1(entries[i].field);
    }
    return QString();
}

QString ColumnObjects::groupLabel(const QString &entry)
{
    if (entry == noiseData())
        return QStringLiteral("Noise Data (Counts)");
    if (entry == signalData())
        return QStringLiteral("Signal Data (Counts)");
    return QString();
}

QStringList ColumnObjects::groupKeys(const QString &entry)
{
    const QString suffix = entry == noiseData() ? QStringLiteral("ND") : entry == signalData() ? QStringLiteral("SD") : QString();
    if (suffix.isEmpty())
        return {};
    return {QStringLiteral("R_D_") + suffix, QStringLiteral("R_F_") + suffix, QStringLiteral("I_D_") + suffix,
            QStringLiteral("I_F_") + suffix};
}

} // namespace valtrane::report
