#include "support/PdfText.h"

#include <QProcess>

namespace valtrane::test {

QString pdfText(const QString &pdf, int page)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << pdf << QStringLiteral("-");
    QProcess poppler;
    poppler.start(QStringLiteral("pdftotext"), args);
    poppler.waitForFinished(60000);
    return QString::fromUtf8(poppler.readAllStandardOutput());
}

} // namespace valtrane::test
