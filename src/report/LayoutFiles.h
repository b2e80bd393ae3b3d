#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "report/ReportLogo.h"
#include "report/ReportSet.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace valtrane::db {
class Database;
}

namespace valtrane::report {

// "Save Layout" and "Load Layout": which column object sits in which report column (info/LayoutM,
// C, Z or S.vkt, one quoted record) and the header's alignments, logo and font size (the model's
// ...hdr.vkt, lines of a nine-character key and a value).
class LayoutFiles {
public:
    static QString savedMessage() { return QStringLiteral("Layout Saved."); }
    static QString noLayoutMessage() { return QStringLiteral("No Layout to Load."); }

    // The header file's keys with the objects whose alignment they carry.
    struct HeaderKey {
        const char *key;
        const char *object;
    };
    static const std::vector<HeaderKey> &alignmentKeys(int deviceCode);
    static QString logoKey() { return QStringLiteral("PicObj = "); }
    static QString fontKey() { return QStringLiteral("FontSZ = "); }

    LayoutFiles(const AppPaths &paths, AppState &state, ReportSet &reports, ReportLogo &logo, db::Database &database,
                Prompter &prompter);

    // One token a report column, "Col 1" to "Col 18"; a stiffness group is "Noise Data" or
    // "Signal Data" on its first column and nothing on the other three.
    QStringList columnTokens() const;
    QStringList headerLines() const;

    // Writes the column file, tells "Layout Saved.", then writes the header file. False when a
    // file could not be written (the old one stays whole).
    bool save();

    enum class Loaded { NothingSelected, NoLayout, Placed };
    // Sets the report up again and places the saved columns and header. columnPlaced is called
    // after each column that was placed (the window shows the preview filling); nothing to wait
    // for on the command line.
    Loaded load(const std::function<void()> &columnPlaced = {});

    // A header file's font: its "FontSZ = " value, 9 when that is not a number, nullopt without one.
    static std::optional<int> fontOf(const QStringList &headerLines);

private:
    void placeColumns(const QStringList &tokens, const std::function<void()> &columnPlaced);
    void placeToken(int index, const QString &token);
    void applyHeader(const QStringList &lines);
    QString entryFor(const QString &token) const;
    bool isPlaceholder(const QString &token) const;

    const AppPaths &m_paths;
    AppState &m_state;
    ReportSet &m_reports;
    ReportLogo &m_logo;
    db::Database &m_database;
    Prompter &m_prompter;
};

} // namespace valtrane::report
