#pragma once

#include <QString>

namespace valtrane::report {
class ReportDocument;
}

namespace valtrane::cli {

struct CliContext;

// Where the report command writes a report; empty texts for outputs not asked for.
struct ReportOutputFiles {
    QString pdf;
    QString rtf;
    QString pngFolder;

    bool empty() const { return pdf.isEmpty() && rtf.isEmpty() && pngFolder.isEmpty(); }
};

// Writes every output asked for, saying what was written; the command's exit code.
int writeReportOutput(CliContext &context, const report::ReportDocument &document, const ReportOutputFiles &files);

} // namespace valtrane::cli
