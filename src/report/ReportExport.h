#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace valtrane::report {

class ReportDocument;

enum ExportDestination { DiskFileDestination = 1, ApplicationDestination = 5 };
enum ExportFormat { PdfFormat = 31, ExactRichTextFormat = 35 };

// How a report is exported without asking anyone.
struct ReportExportOptions {
    int destinationType = DiskFileDestination;  // 1 disk file, 5 application
    QString diskFileName;
    int formatType = PdfFormat;  // 31 PDF, 35 exact rich text
    bool allPages = true;
    int firstPage = 1;  // used only when both are positive and lastPage >= firstPage
    int lastPage = 1;
};

// Exports a report as PDF or exact rich text. To a disk file the file is written whole or not at
// all: a failed export leaves a file already there untouched. To the application the report goes
// to a temporary file that is then opened with the program registered for its type.
class ReportExport {
public:
    using Opener = std::function<bool(const QUrl &)>;

    // The opener is QDesktopServices::openUrl unless another is given.
    explicit ReportExport(Opener opener = {});

    bool exportReport(const ReportDocument &document, const ReportExportOptions &options);

    // The file the last export wrote (the temporary file for an application export).
    QString writtenFile() const { return m_writtenFile; }

private:
    Opener m_opener;
    QString m_writtenFile;
};

} // namespace valtrane::report
