#pragma once

#include <optional>

class QCommandLineParser;

namespace valtrane::cli {

struct CliContext;

// The gauge model of a download or replay: --model M and, for the LD4800, --continuous.
struct ModelChoice {
    int model = 0;
    bool continuous = false;
};

void addModelOptions(QCommandLineParser &parser);
// nullopt, with the reason on stderr and exitCode set, for a model or type the wizard does not offer.
std::optional<ModelChoice> readModelChoice(CliContext &context, const QCommandLineParser &parser, int &exitCode);

} // namespace valtrane::cli
