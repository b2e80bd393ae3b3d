#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeclinePrompter.h"
#include "stiffness/ConstantsEntry.h"
#include "stiffness/StiffnessConstantsFile.h"

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

// The keys with the values each takes, for --help.
QString constantRanges()
{
    QStringList ranges;
    for (int i = 0; i < StiffnessConstantCount; ++i) {
        const auto &info = StiffnessConstantsFile::info(i);
        ranges.append(QStringLiteral("%1 %2 to %3 (%4)").arg(info.name).arg(info.lowest).arg(info.highest).arg(info.label));
    }
    return ranges.join(QStringLiteral("; "));
}

// KEY=VALUE into the constants by the constants dialog's own rule. An empty value, which the
// dialog takes as 0, is refused here: on a command line it is far more often a variable that was
// never set than a wish for 0.
bool applySetting(CliContext &context, const QString &setting)
{
    const qsizetype equals = setting.indexOf(QLatin1Char('='));
    const auto index = StiffnessConstantsFile::indexOfName(QStringView(setting).left(equals).trimmed());
    if (equals < 0 || !index) {
        context.err << "valtrane-cli constants: '" << setting << "' is not KEY=VALUE with KEY one of " << constantNames() << "\n";
        return false;
    }
    const QString text = setting.mid(equals + 1).trimmed();
    const QString &name = StiffnessConstantsFile::info(*index).name;
    if (text.isEmpty()) {
        context.err << "valtrane-cli constants: " << name << " has no value; write " << name << "=0 to set it to 0\n";
        return false;
    }
    const stiffness::ConstantsEntry::Checked checked = stiffness::ConstantsEntry::check(*index, text);
    if (!checked.number) {
        context.err << "valtrane-cli constants: " << name << "=" << text << " refused: " << checked.refusal << "\n";
        return false;
    }
    context.state.StiffnessConstants[size_t(*index)] = StiffnessConstant::fromNumber(*checked.number);
    return true;
}

} // namespace

int runConstants(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("constants"),
                     QStringLiteral("Shows the stiffness constants of info/StiffnessCons.vkt, or sets some of them and saves the file."));
    line.parser().addOption({QStringLiteral("set"),
                             QStringLiteral("sets a constant, digits and a decimal point; nothing is saved when one is refused. KEY and its values: ")
                                 + constantRanges(),
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
