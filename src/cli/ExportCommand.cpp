#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeclinePrompter.h"
#include "cli/OpenDatabase.h"
#include "cli/ReportPlacement.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"
#include "export/EngineReports.h"
#include "export/ExportHandler.h"
#include "export/ExportSelect.h"
#include "export/TableReports.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <optional>

namespace valtrane::cli {

namespace {

using exporting::ExportSelect;
using exporting::ReportOnScreen;

// What the command line says, in the dialog's terms.
struct ExportRequest {
    int format = ExportSelect::Csv;
    ReportOnScreen shown = ReportOnScreen::Main;
    bool currentOnly = false;
    bool application = false;
    std::optional<std::pair<int, int>> pages;
};

// What is wrong with the options, or an empty text.
QString readRequest(const QCommandLineParser &parser, ExportRequest &request)
{
    const QStringList formats{QStringLiteral("csv"), QStringLiteral("rtf"), QStringLiteral("pdf")};
    request.format = int(formats.indexOf(parser.value(QStringLiteral("format")).toLower()));
    if (request.format < 0)
        return QStringLiteral("--format must be csv, rtf or pdf");
    const QString surface = parser.value(QStringLiteral("surface")).toUpper();
    if (!surface.isEmpty() && !QStringList{QStringLiteral("SOIL"), QStringLiteral("ASPHALT"), QStringLiteral("THIN")}.contains(surface))
        return QStringLiteral("--surface must be SOIL, ASPHALT or THIN");
    const QString what = parser.value(QStringLiteral("what")).toLower();
    if (!what.isEmpty() && what != QLatin1String("all") && what != QLatin1String("current"))
        return QStringLiteral("--what must be all or current");
    request.currentOnly = what == QLatin1String("current");
    const QString shown = parser.value(QStringLiteral("report")).toLower();
    if (!shown.isEmpty() && shown != QLatin1String("main") && shown != QLatin1String("stiffness"))
        return QStringLiteral("--report must be main or stiffness");
    request.shown = shown == QLatin1String("stiffness") ? ReportOnScreen::Stiffness : ReportOnScreen::Main;
    request.application = parser.isSet(QStringLiteral("application"));
    if (request.application && request.format == ExportSelect::Csv)
        return QStringLiteral("comma-separated files go to disk only: --application needs rtf or pdf");
    if (parser.isSet(QStringLiteral("pages"))) {
        static const QRegularExpression range(QStringLiteral("^(\\d+)-(\\d+)$"));
        const auto match = range.match(parser.value(QStringLiteral("pages")));
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).toInt();
        if (!match.hasMatch() || first < 1 || last < first)
            return QStringLiteral("--pages must be FIRST-LAST, page numbers from 1");
        request.pages = std::make_pair(first, last);
    }
    return QString();
}

// The dialog's choices made from the request, through the dialog's own rules.
bool storeChoices(CliContext &context, const QCommandLineParser &parser, const ExportRequest &request,
                  exporting::ExportChoices &choices)
{
    ExportSelect select(context.state.DeviceCode, context.state.LastFolder, request.shown);
    if (request.application)
        select.clickDest(ExportSelect::Application);
    select.clickFormat(request.format);
    if (request.pages) {
        select.clickRange(ExportSelect::PageRange);
        select.editRange(0, QString::number(request.pages->first));
        select.editRange(1, QString::number(request.pages->second));
    }
    select.clickWhat(request.currentOnly ? ExportSelect::CurrentData : ExportSelect::AllData);
    const char *boxes[] = {"out", "stiffness-out"};
    for (int box = 0; box < 2; ++box) {
        if (parser.isSet(QLatin1String(boxes[box])))
            select.editLocation(box, QDir::toNativeSeparators(QFileInfo(parser.value(QLatin1String(boxes[box]))).absoluteFilePath()));
    }
    return select.confirm(choices, context.state, context.prompter);
}

// The desktop's program for the file's type; the command line has no desktop session of its own.
bool openWithApplication(const QUrl &url)
{
#if defined(Q_OS_WIN)
    return QProcess::startDetached(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("start"), QString(), url.toLocalFile()});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {url.toLocalFile()});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toLocalFile()});
#endif
}

bool listed(const QString &tableList, const QString &table)
{
    for (const QString &name : tableListNames(tableList)) {
        if (!name.isEmpty() && Strip_Char(name, QLatin1Char('.')).compare(table, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void addOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("TABLE"),
                                 QStringLiteral("the table on screen, as the tables command lists it (nuclear gauges: the project identifier)"));
    parser.addOption({QStringLiteral("surface"), QStringLiteral("nuclear gauges: SOIL (default), ASPHALT or THIN"), QStringLiteral("SURFACE")});
    parser.addOption({QStringLiteral("format"), QStringLiteral("csv, rtf or pdf"), QStringLiteral("FORMAT")});
    parser.addOption({QStringLiteral("columns"),
                      QStringLiteral("rtf and pdf: Column Object entries for Col 1, Col 2, ... of the main report, separated by commas"),
                      QStringLiteral("LIST")});
    parser.addOption({QStringLiteral("layout"), QStringLiteral("rtf and pdf: the main report in the saved layout of the gauge model")});
    parser.addOption({QStringLiteral("what"), QStringLiteral("all (default) or current: the report on screen only"), QStringLiteral("WHAT")});
    parser.addOption({QStringLiteral("report"), QStringLiteral("the report on screen: main (default) or stiffness"), QStringLiteral("REPORT")});
    parser.addOption({QStringLiteral("pages"), QStringLiteral("rtf and pdf: these pages only, for example 2-3"), QStringLiteral("FIRST-LAST")});
    parser.addOption({QStringLiteral("out"), QStringLiteral("raw data or main report file (default DataRaw.<format> in the program folder)"),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("stiffness-out"),
                      QStringLiteral("SG2150: stiffness summary or report file (default DataStif.<format> in the program folder)"),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("application"), QStringLiteral("rtf and pdf: open the report in the program registered for it")});
}

} // namespace

int runExport(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("export"),
                     QStringLiteral("Exports the data of a table as the export dialog does: comma-separated files, or its reports as "
                                    "rich text or PDF."));
    addOptions(line.parser());
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    const QStringList positional = line.parser().positionalArguments();
    if (positional.size() != 1 || !line.parser().isSet(QStringLiteral("format"))) {
        context.err << "valtrane-cli export: needs one TABLE and --format csv|rtf|pdf\n";
        return 2;
    }
    ExportRequest request;
    ReportPlacement placement;
    placement.layout = line.parser().isSet(QStringLiteral("layout"));
    for (const QString &entry : line.parser().value(QStringLiteral("columns")).split(QLatin1Char(','), Qt::SkipEmptyParts))
        placement.columns.append(entry.trimmed());
    if (placement.layout && !placement.columns.isEmpty()) {
        context.err << "valtrane-cli export: --columns and --layout exclude each other\n";
        return 2;
    }
    if (const QString problem = readRequest(line.parser(), request); !problem.isEmpty()) {
        context.err << "valtrane-cli export: " << problem << "\n";
        return 2;
    }

    AppState &state = context.state;
    state.Table_List = db::Table_Registry(context.paths, state, 0);
    state.CurrentTable = Strip_Char(positional.first(), QLatin1Char('.'));
    const bool nuclear = state.DeviceCode == NG7700A || state.DeviceCode == NG7700B;
    state.CurrentSurface = nuclear ? line.parser().value(QStringLiteral("surface")).toUpper() : QStringLiteral("NONE");
    if (nuclear && state.CurrentSurface.isEmpty())
        state.CurrentSurface = QStringLiteral("SOIL");
    if (!listed(state.Table_List, state.CurrentTable))
        return context.fail(QStringLiteral("there is no table %1 in the table registry").arg(positional.first()));
    if (request.shown == ReportOnScreen::Stiffness && state.DeviceCode != SG2150)
        return context.fail(QStringLiteral("only SG2150 runs have a stiffness report"));
    if (state.DeviceCode == SG2150) {
        DeclinePrompter prompter(context.prompter, context.err, QStringLiteral("the stiffness constants are all zero."));
        stiffness::StiffnessConstantsFile(context.paths, state, prompter).run(0);
    }
    exporting::ExportChoices choices;
    if (!storeChoices(context, line.parser(), request, choices))
        return context.fail(QStringLiteral("nothing exported"));

    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    db::Database connection;
    if (!openDatabase(context, connection, exitCode))
        return exitCode;
    report::ReportSet reportSet;
    // The main report as the report tab would show it after the user placed these columns.
    bool placementRefused = false;
    exporting::EngineReports reports(
        [&](ReportOnScreen which) -> std::optional<report::ReportDocument> {
            std::optional<report::ReportDocument> document = exporting::tableReport(reportSet, connection, context.paths, state, which);
            if (!document || which != ReportOnScreen::Main || placement.empty())
                return document;
            if (!placement.place(context, reportSet, connection, state.CurrentTable, state.CurrentSurface)) {
                placementRefused = true;
                return std::nullopt;
            }
            return reportSet.Report;
        },
        openWithApplication);
    exporting::ExportHandler handler(context.paths, state, choices, context.prompter, reports);
    const bool ok = handler.afterDialog(connection, request.shown);
    for (const QString &file : handler.writtenFiles())
        context.out << "Written: " << QDir::toNativeSeparators(file) << "\n";
    if (placementRefused)
        return context.fail(QStringLiteral("the columns could not be placed; nothing more exported"));
    if (!ok)
        return context.fail(handler.errorText().isEmpty() ? QStringLiteral("the export did not complete") : handler.errorText());
    return 0;
}

} // namespace valtrane::cli
