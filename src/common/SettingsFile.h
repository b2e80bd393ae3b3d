#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace valtrane {

// The program's small text files. Lines end with carriage return and line feed. Files are written
// whole through a temporary file that replaces the old one only when complete, so a crash never
// leaves a half-written file.
//
// Two styles are used: a quoted record (a double quote, items each followed by a carriage return,
// the closing quote, CR LF), and plain lines such as "MeasMs = 0.12". Reading splits at carriage
// return, line feed, or the pair, and the quoted record reads back as one line per item. Files are
// written in UTF-8 and read as UTF-8 when they are valid UTF-8, else as Windows-1252.
class SettingsFile {
public:
    // The quoted record of items.
    static bool writeQuotedRecord(const QString &path, const QStringList &items);
    // Lines, each ended by CR LF.
    static bool writeLines(const QString &path, const QStringList &lines);
    // Bytes written as they are (already carrying their line ends).
    static bool writeText(const QString &path, const QByteArray &bytes);

    // All lines of the file; nullopt when it cannot be read.
    static std::optional<QStringList> readLines(const QString &path);
    // Lines of a quoted record with double quotes and carriage returns removed from each.
    static std::optional<QStringList> readRecordLines(const QString &path);

    static QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
};

} // namespace valtrane
