#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace valtrane::test {

// The page count and page size in points that poppler's pdfinfo reads in a PDF, as "3 792 x 612".
inline QString pdfPagesAndSize(const QString &pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return QRegularExpression("Pages:\\s+(\\d+)\\n").match(out).captured(1) + ' '
           + QRegularExpression("Page size:\\s+(\\d+ x \\d+) pts").match(out).captured(1);
}

} // namespace valtrane::test
