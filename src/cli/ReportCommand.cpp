#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeclinePrompter.h"
#include "cli/OpenDatabase.h"
#include "cli/ReportOutput.h"
#include "cli/ReportPlacement.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"
#include "report/InfoFile.h"
#include "report/ReportSetup.h"
#include "stiffness/StiffnessConstantsFile.h"

namespace valtrane::cli {

namespace {

struct ReportRequest {
    QString table;         // as the registry lists it
    QString currentTable;  // as the tree sets it: nuclear project ids without "."
    QString surfaceLetter;
    QStringList columns;
    int fontSize = 9;
    bool stiffness = false;
    bool layout = false;
    ReportOutputFiles files;
};

void addOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("a table as 'tables' lists it: 12.5, CBR_LBR1, RUN3 ..."));
    parser.addOption({QStringLiteral("surface"), QStringLiteral("surface of a nuclear project: Soil, Asphalt, Thin"), QStringLiteral("SURFACE")});
    parser.addOption({QStringLiteral("columns"), QStringLiteral("Column Object entries for Col 1, Col 2, ..., separated by commas"),
                      QStringLiteral("LIST")});
    parser.addOption({QStringLiteral("layout"),
                      QStringLiteral("the saved layout of the table's gauge model (columns, header alignments, logo, font) instead of --columns")});
    parser.addOption({QStringLiteral("font"), QStringLiteral("report font size, 9 to 12"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("stiffness"), QStringLiteral("the stiffness results report of an SG2150 run")});
    parser.addOption({QStringLiteral("pdf"), QStringLiteral("PDF file to write"), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("rtf"), QStringLiteral("rich-text file to write"), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("png"), QStringLiteral("folder for page-1.png, page-2.png, ..."), QStringLiteral("FOLDER")});
}

// The options checked against the registry's gauge model and tables; false after a message.
bool readRequest(CliContext &context, const QCommandLineParser &parser, ReportRequest &request)
{
    const QStringList positional = parser.positionalArguments();
    request.files = {parser.value(QStringLiteral("pdf")), parser.value(QStringLiteral("rtf")), parser.value(QStringLiteral("png"))};
    if (positional.size() != 1 || request.files.empty()) {
        context.err << "valtrane-cli report: needs one TABLE and at least one of --pdf, --rtf, --png\n";
        return false;
    }
    const int device = context.state.DeviceCode;
    const QStringList tables = tableListNames(context.state.Table_List);
    request.table = positional.first();
    if (!tables.contains(request.table, Qt::CaseInsensitive)) {
        context.err << "valtrane-cli report: there is no table " << request.table << "; the tables are: " << tables.join(QLatin1Char(' ')) << "\n";
        return false;
    }
    request.currentTable = request.table;
    const QString surface = parser.value(QStringLiteral("surface")).trimmed();
    if (device == NG7700A || device == NG7700B) {
        request.currentTable.remove(QLatin1Char('.'));
        if (surface.isEmpty()) {
            context.err << "valtrane-cli report: a nuclear gauge report needs --surface (Soil, Asphalt or Thin)\n";
            return false;
        }
    }
    request.surfaceLetter = surface.isEmpty() ? QStringLiteral("N") : surface.left(1).toUpper();
    bool ok = true;
    request.fontSize = parser.isSet(QStringLiteral("font")) ? parser.value(QStringLiteral("font")).toInt(&ok) : 9;
    if (!ok || request.fontSize < 9 || request.fontSize > 12) {
        context.err << "valtrane-cli report: --font takes a size from 9 to 12\n";
        return false;
    }
    request.stiffness = parser.isSet(QStringLiteral("stiffness"));
    if (request.stiffness && device != SG2150) {
        context.err << "valtrane-cli report: --stiffness is for the runs of an SG2150\n";
        return false;
    }
    request.layout = parser.isSet(QStringLiteral("layout"));
    if (request.layout && (parser.isSet(QStringLiteral("columns")) || parser.isSet(QStringLiteral("font")))) {
        context.err << "valtrane-cli report: --layout brings its own columns and font; leave out --columns and --font\n";
        return false;
    }
    const QString columns = parser.value(QStringLiteral("columns"));
    for (const QString &entry : columns.split(QLatin1Char(','), Qt::SkipEmptyParts))
        request.columns.append(entry.trimmed());
    return true;
}

} // namespace

int runReport(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("report"),
                     QStringLiteral("Sets up the report of a table as the report tab does, places columns, and writes the report."));
    addOptions(line.parser());
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    context.state.Table_List = db::Table_Registry(context.paths, context.state, 0);
    ReportRequest request;
    if (!readRequest(context, line.parser(), request))
        return 2;

    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    db::Database database;
    if (!openDatabase(context, database, exitCode))
        return exitCode;
    report::InfoFile::read(context.paths, context.state);
    if (context.state.DeviceCode == SG2150) {
        DeclinePrompter prompter(context.prompter, context.err, QStringLiteral("the stiffness constants are all zero."));
        stiffness::StiffnessConstantsFile(context.paths, context.state, prompter).run(0);
    }

    report::ReportSet reports;
    report::ReportSetup setup(reports, database, context.paths, context.state);
    setup.setUp(request.currentTable, context.state.DeviceCode);
    setup.FillAverages(request.currentTable, request.surfaceLetter, context.state.DeviceCode);
    if (request.fontSize != 9)
        setup.applyReportFont(request.fontSize, request.currentTable, request.surfaceLetter);
    if (!ReportPlacement{request.columns, request.layout}.place(context, reports, database, request.currentTable,
                                                                request.surfaceLetter))
        return 1;
    const report::ReportDocument &document = request.stiffness ? reports.StiffyReport : reports.Report;
    return writeReportOutput(context, document, request.files);
}

} // namespace valtrane::cli
