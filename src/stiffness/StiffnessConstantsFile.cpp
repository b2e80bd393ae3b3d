#include "stiffness/StiffnessConstantsFile.h"

#include "common/NumberFormat.h"
#include "common/ProgramInfo.h"
#include "common/SettingsFile.h"
#include "common/VbConvert.h"

#include <QFileInfo>
#include <array>

namespace valtrane::stiffness {

namespace {

const std::array<StiffnessConstantInfo, StiffnessConstantCount> &table()
{
    // Ranges: a moisture fraction up to 5 (peat holds several times its dry weight of water), a
    // Poisson's ratio up to 0.5, densities up to those of rock, slope and intercept up to 100000.
    static const std::array<StiffnessConstantInfo, StiffnessConstantCount> constants{{
        {QStringLiteral("MeasMs"), QStringLiteral("Measured Moisture Content (% by weight/100)"), QStringLiteral("0.#0"), 0, 5},
        {QStringLiteral("Assmas"), QStringLiteral("Assembly Mass (kg)"), QStringLiteral("0.###0"), 0, 100},
        {QStringLiteral("Poisra"), QStringLiteral("Poisson's Ratio"), QStringLiteral("0.#0"), 0, 0.5},
        {QStringLiteral("Densit"), QStringLiteral("Density, Po (pcf)"), QStringLiteral("0.0"), 0, 300},
        {QStringLiteral("Slopes"), QStringLiteral("Slope (C vs. K/m)"), QStringLiteral("0.###0"), 0, 100000},
        {QStringLiteral("Interc"), QStringLiteral("Intercept (C vs. K/m)"), QStringLiteral("0.##0"), 0, 100000},
        {QStringLiteral("Densi2"), QStringLiteral("Density, Po (kg/m^3)"), QStringLiteral("0.0"), 0, 5000},
    }};
    return constants;
}

constexpr int KeyLength = 9;

} // namespace

StiffnessConstantsFile::StiffnessConstantsFile(const AppPaths &paths, AppState &state, Prompter &prompter, SetupAction setup)
    : m_paths(paths)
    , m_state(state)
    , m_prompter(prompter)
    , m_setup(std::move(setup))
{
}

const StiffnessConstantInfo &StiffnessConstantsFile::info(int index)
{
    return table().at(size_t(index));
}

std::optional<int> StiffnessConstantsFile::indexOfName(QStringView name)
{
    for (int i = 0; i < StiffnessConstantCount; ++i)
        if (name.compare(table()[size_t(i)].name, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

bool StiffnessConstantsFile::run(int mode)
{
    if (mode == 0)
        return load();
    if (mode == 1)
        return save();
    return true;
}

bool StiffnessConstantsFile::load()
{
    if (!QFileInfo::exists(m_paths.stiffnessConstants())) {
        const auto answer = m_prompter.ask(QStringLiteral("SG2150 Constants do not exist.  Do you want to setup constants now?"),
                                           program::title(), Prompter::Buttons::YesNo, Prompter::Icon::Question);
        if (answer == Prompter::Answer::Yes && m_setup) {
            m_setup();
            // The dialog wrote the file when it applied its values; those are the constants now.
            if (QFileInfo::exists(m_paths.stiffnessConstants()))
                return true;
        }
        setAllToZero();
        return true;
    }

    const auto lines = SettingsFile::readLines(m_paths.stiffnessConstants());
    if (!lines)
        return false;
    for (qsizetype i = 0; i < lines->size() && i < StiffnessConstantCount; ++i) {
        const QString &line = lines->at(i);
        if (line.isEmpty()) {
            setAllToZero();
            break;
        }
        const QStringView key = QStringView(line).left(KeyLength);
        for (int c = 0; c < StiffnessConstantCount; ++c) {
            if (key != info(c).key())
                continue;
            // A value that is not a number loads as 0: the constants then come from the file alone,
            // never from what an earlier load left behind.
            const double value = vb::toDouble(QStringView(line).mid(KeyLength)).value_or(0.0);
            m_state.StiffnessConstants[size_t(c)] = StiffnessConstant::fromText(formatNumber(value, info(c).loadFormat));
        }
    }
    return true;
}

bool StiffnessConstantsFile::save()
{
    QStringList lines;
    for (int c = 0; c < StiffnessConstantCount; ++c)
        lines.append(info(c).key() + m_state.StiffnessConstants[size_t(c)].text());
    return SettingsFile::writeLines(m_paths.stiffnessConstants(), lines);
}

void StiffnessConstantsFile::setAllToZero()
{
    m_state.StiffnessConstants.fill(StiffnessConstant::fromNumber(0.0));
}

} // namespace valtrane::stiffness
