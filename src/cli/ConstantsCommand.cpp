#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeclinePrompter.h"
#include "common/VbConvert.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <algorithm>

namespace valtrane::cli {

namespace {

using stiffness::StiffnessConstantsFile;

QString constantNames()
{
    QStringList names;
    for (int i = 0; i < StiffnessConstantCount; ++i)
        names.append(StiffnessConstantsFile::info(i).name);
    return names.join(QStringLiteral(", "));
}

// KEY=VALUE into the constants as the dialog applies them: an empty value is 0, and only the
// numbers the dialog lets through (no sign) are taken.
bool applySetting(CliContext &context, const QString &setting)
{
    const qsizetype equals = setting.indexOf(QLatin1Char('='));
    const auto index = StiffnessConstantsFile::indexOfName(QStringView(setting).left(equals).trimmed());
    if (equals < 0 || !index) {
        context.err << "valtrane-cli constants: '" << setting << "' is not KEY=VALUE with KEY one of " << constantNames() << "\n";
        return false;
    }
    const QString text = setting.mid(equals + 1).trimmed();
    const bool digitsAndPoint = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || c == QLatin1Char('.'); });
    const auto value = text.isEmpty() ? std::optional<double>(0.0) : digitsAndPoint ? vb::toDouble(text) : std::nullopt;
    if (!value) {
        context.err << "valtrane-cli constants: '" << text << "' is not a number of digits and a decimal point for "
                    << StiffnessConstantsFile::info(*index).name << "\n";
        return false;
    }
    context.state.StiffnessConstants[size_t(*index)] = StiffnessConstant::fromNumber(*value);
    return true;
}

} // namespace

int runConstants(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("constants"),
                     QStringLiteral("Shows the stiffness constants of info/StiffnessCons.vkt, or sets some of them and saves the file."));
    line.parser().addOption({QStringLiteral("set"), QStringLiteral("sets a constant; KEY is one of ") + constantNames(),
                             QStringLiteral("KEY=VALUE")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    if (!line.parser().positionalArguments().isEmpty()) {
        context.err << "valtrane-cli constants: unexpected argument '" << line.parser().positionalArguments().first() << "'\n";
        return 2;
    }

    DeclinePrompter prompter(context.prompter, context.err, QStringLiteral("the stiffness constants are all zero."));
    StiffnessConstantsFile file(context.paths, context.state, prompter);
    if (!file.run(0))
        return context.fail(QStringLiteral("the constants file cannot be read (%1)").arg(context.paths.stiffnessConstants()));

    const QStringList settings = line.parser().values(QStringLiteral("set"));
    for (const QString &setting : settings)
        if (!applySetting(context, setting))
            return 2;
    if (!settings.isEmpty()) {
        if (!file.run(1))
            return context.fail(QStringLiteral("the constants file cannot be written (%1)").arg(context.paths.stiffnessConstants()));
        context.state.ConstantsChanged = true;
    }

    for (int i = 0; i < StiffnessConstantCount; ++i) {
        const auto &info = StiffnessConstantsFile::info(i);
        context.out << (info.key() + context.state.StiffnessConstants[size_t(i)].text()).leftJustified(24) << info.label << "\n";
    }
    return 0;
}

} // namespace valtrane::cli
