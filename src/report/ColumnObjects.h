#pragma once

#include <QString>
#include <QStringList>

namespace valtrane::report {

// The "Column Object" entries a gauge model offers, the caption each writes into a column header
// and the field whose values fill the column; and the "Column List" entries at each font size.
class ColumnObjects {
public:
    static QString none() { return QStringLiteral("None"); }
    static QString noiseData() { return QStringLiteral("Noise Data"); }
    static QString signalData() { return QStringLiteral("Signal Data"); }

    // "None" first, then the model's entries in list order.
    static QStringList entries(int deviceCode);
    // Column1 ... ColumnN, N by model and font size.
    static QStringList columnList(int deviceCode, int fontSize);

    // The header caption of an entry, or of a four-column group key ("R_D_ND" ...); empty when the
    // model has no such entry.
    static QString caption(int deviceCode, const QString &entryOrKey);
    // The field behind a caption (SG2150: behind an entry or key); empty when there is none.
    static QString field(int deviceCode, const QString &captionOrKey);

    static bool isGroup(const QString &entry) { return entry == noiseData() || entry == signalData(); }
    static QString groupLabel(const QString &entry);
    // The four sub-column keys of a group, left to right.
    static QStringList groupKeys(const QString &entry);
};

} // namespace valtrane::report
