#include "common/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace valtrane {

namespace {

// Files of the lab's earlier program are in the Windows code page; this program writes UTF-8. A
// file that is not valid UTF-8 is taken as Windows-1252 (as Latin-1 where that code page is not
// available, which differs only in 0x80 to 0x9F).
QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

bool SettingsFile::writeText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SettingsFile::writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return writeText(path, bytes);
}

bool SettingsFile::writeQuotedRecord(const QString &path, const QStringList &items)
{
    QByteArray bytes("\"");
    for (const QString &item : items)
        bytes += item.toUtf8() + '\r';
    bytes += "\"\r\n";
    return writeText(path, bytes);
}

std::optional<QStringList> SettingsFile::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = decodeText(file.readAll());
    QStringList lines;
    QString current;
    bool pending = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

std::optional<QStringList> SettingsFile::readRecordLines(const QString &path)
{
    auto lines = readLines(path);
    if (!lines)
        return std::nullopt;
    for (QString &line : *lines) {
        line.remove(QLatin1Char('"'));
        line.remove(QLatin1Char('\r'));
    }
    return lines;
}

} // namespace valtrane
