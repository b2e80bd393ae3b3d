#include "cli/Commands.h"

namespace valtrane::cli {

const std::vector<Command> &commands()
{
    static const std::vector<Command> list{
        {QStringLiteral("ports"), QString(), QStringLiteral("probe COM1 to COM4: the 4-character result and the captions"), runPorts},
        {QStringLiteral("download"), QStringLiteral("--port P --model M [--continuous] [--baud N]"),
         QStringLiteral("download from a gauge without windows; prints the status and the table list"), runDownload},
        {QStringLiteral("replay"), QStringLiteral("CAPTURE --model M [--continuous]"),
         QStringLiteral("run a captured download through the live path again"), runReplay},
        {QStringLiteral("open"), QStringLiteral("FILE"),
         QStringLiteral("open a saved project: file to database, registry and Info.vkt"), runOpen},
        {QStringLiteral("save"), QStringLiteral("FILE [--table NAME] [--force]"),
         QStringLiteral("save all projects, or one table, as a project text file"), runSave},
        {QStringLiteral("tables"), QString(), QStringLiteral("the device code and table list of the registry"), runTables},
        {QStringLiteral("dump"), QStringLiteral("TABLE [--where CONDITION]"), QStringLiteral("rows of a table as CSV"), runDump},
        {QStringLiteral("constants"), QStringLiteral("[--set KEY=VALUE ...]"),
         QStringLiteral("show or set the stiffness constants"), runConstants},
        {QStringLiteral("stiffness-summary"), QStringLiteral("--table RUNn --out FILE"),
         QStringLiteral("write the stiffness summary of one run"), runStiffnessSummary},
        {QStringLiteral("report"),
         QStringLiteral("TABLE [--surface SURFACE] [--columns LIST] [--font N] [--stiffness] [--pdf FILE] [--rtf FILE] [--png FOLDER]"),
         QStringLiteral("set up the report of a table as the report tab does and write it as PDF, RTF or PNG pages"), runReport},
        {QStringLiteral("lab-info"), QStringLiteral("[--set KEY=TEXT ...]"),
         QStringLiteral("show or set the lab information printed at the top of the reports"), runLabInfo},
        {QStringLiteral("export"),
         QStringLiteral("TABLE [--surface S] --format csv|rtf|pdf [--what all|current] [--report main|stiffness] [--pages FIRST-LAST] "
                        "[--out FILE] [--stiffness-out FILE] [--application]"),
         QStringLiteral("export a table as the export dialog does: CSV files, or its reports as RTF or PDF"), runExport},
        {QStringLiteral("simulate"), QStringLiteral("--model M (--port P | --pty) [--file F] [--baud N] [--drop-after N] [--garble RATE]"),
         QStringLiteral("act as a gauge: send a model's stream and its end byte"), runSimulate},
    };
    return list;
}

} // namespace valtrane::cli
