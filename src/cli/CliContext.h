#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"

#include <QStringList>
#include <QTextStream>

namespace valtrane::cli {

// What every sub-command gets: the program folder, the program-wide values, the two output
// streams and the terminal's way of asking questions.
struct CliContext {
    AppPaths &paths;
    AppState &state;
    QTextStream &out;
    QTextStream &err;
    Prompter &prompter;

    // Writes "error: <message>" to stderr, with the status code and its meaning when one is given,
    // and returns the exit code of a failed command (1; usage errors exit with 2).
    int fail(const QString &message, int statusCode = -1);
};

} // namespace valtrane::cli
