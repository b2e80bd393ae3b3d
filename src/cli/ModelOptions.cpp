#include "cli/ModelOptions.h"

#include "cli/CliContext.h"
#include "common/AppState.h"
#include "link/GaugeModels.h"

#include <QCommandLineParser>

namespace valtrane::cli {

void addModelOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("model"), QStringLiteral("LD4800, NG7700A, NG7700B or SG2150"), QStringLiteral("M")});
    parser.addOption({QStringLiteral("continuous"), QStringLiteral("LD4800 only: a continuous download of several tests")});
}

std::optional<ModelChoice> readModelChoice(CliContext &context, const QCommandLineParser &parser, int &exitCode)
{
    const auto model = link::modelFromName(parser.value(QStringLiteral("model")));
    if (!model) {
        exitCode = context.fail(QStringLiteral("--model must be ") + link::modelNames());
        return std::nullopt;
    }
    const bool continuous = parser.isSet(QStringLiteral("continuous"));
    if (continuous && *model != LD4800) {
        exitCode = context.fail(QStringLiteral("--continuous is for the LD4800 only"));
        return std::nullopt;
    }
    return ModelChoice{*model, continuous};
}

} // namespace valtrane::cli
