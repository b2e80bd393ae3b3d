// valtrane-cli: the program without windows. Every sub-command calls the same core objects as the
// desktop program.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/TerminalPrompter.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/ProgramInfo.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace valtrane;

namespace {

void printUsage(QTextStream &out)
{
    out << "Usage: valtrane-cli [--home DIR] COMMAND [ARGS...]\n\n"
        << program::title() << " " << program::version() << ", without windows.\n\n"
        << "Options:\n"
        << "  --home DIR   program folder (default: VALTRANE_HOME, else the executable's folder)\n"
        << "  --help       show this help; COMMAND --help shows a command's own options\n\n"
        << "Commands:\n";
    for (const cli::Command &c : cli::commands()) {
        out << "  " << c.name;
        if (!c.synopsis.isEmpty())
            out << " " << c.synopsis;
        out << "\n      " << c.summary << "\n";
    }
    out << "\nExit code 0 on success; otherwise non-zero, with the status code and its meaning on stderr.\n";
}

// The arguments without the program name and without --home and its folder.
QStringList withoutHome(QStringList args)
{
    args.removeFirst();
    for (int i = 0; i < args.size();) {
        if (args.at(i) == QLatin1String("--home")) {
            args.removeAt(i);
            if (i < args.size())
                args.removeAt(i);
        } else if (args.at(i).startsWith(QLatin1String("--home="))) {
            args.removeAt(i);
        } else {
            ++i;
        }
    }
    return args;
}

bool drawsReports(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const QStringList command = withoutHome(args);
    return !command.isEmpty() && (command.first() == QLatin1String("report") || command.first() == QLatin1String("export"));
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports draw text, which needs the font system of a GUI application; no window is
    // ever shown, so no display is needed. Every other command runs without it.
    std::unique_ptr<QCoreApplication> app;
    if (drawsReports(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("valtrane-cli"));
    QCoreApplication::setApplicationVersion(program::version());

    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList all = QCoreApplication::arguments();
    // A --home without its folder would quietly work on another folder's database.
    if (const QString problem = AppPaths::homeOptionError(all); !problem.isEmpty()) {
        err << "valtrane-cli: " << problem << "\n"
            << "Try 'valtrane-cli --help'.\n";
        return 2;
    }
    const QStringList args = withoutHome(all);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")
        || args.first() == QLatin1String("help")) {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << program::version() << "\n";
        return 0;
    }

    AppPaths paths(AppPaths::chooseProgramFolder(all, QCoreApplication::applicationDirPath()));
    AppState state;
    state.LastFolder = paths.programFolder();
    cli::TerminalPrompter prompter(err, cli::TerminalPrompter::standardInputIsTerminal());
    cli::CliContext context{paths, state, out, err, prompter};

    const QString name = args.first();
    for (const cli::Command &c : cli::commands()) {
        if (c.name == name) {
            const int code = c.run(context, args.mid(1));
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "valtrane-cli: unknown command '" << name << "'\n\n";
    printUsage(err);
    return 2;
}
