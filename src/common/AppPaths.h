#pragma once

#include <QString>
#include <QStringList>

namespace valtrane {

// Every file of the program lies below one program folder: the executable's folder, unless
// --home DIR or VALTRANE_HOME names another. File and folder names below it compare without
// regard to case, so "DBTbles.vkt" and "DBTBLES.VKT" are one file: a path is resolved to the
// name already on disk when one matches, else to the name given here.
class AppPaths {
public:
    explicit AppPaths(QString programFolder);

    // --home DIR (or --home=DIR) in args wins, then VALTRANE_HOME, then executableFolder.
    static QString chooseProgramFolder(const QStringList &args, const QString &executableFolder);
    // What is wrong with the --home options of args (one with no folder after it), or an empty text.
    static QString homeOptionError(const QStringList &args);

    const QString &programFolder() const { return m_programFolder; }

    QString infoFolder() const;
    QString database() const;            // info/MIRVAT.vkd
    QString lockFile() const;            // info/MIRVAT.ldb
    QString tableRegistry() const;       // info/DBTbles.vkt
    // A new database and its registry are built beside the live ones and only then put in place.
    QString newDatabase() const;         // info/MIRVAT.new.vkd
    QString newTableRegistry() const;    // info/DBTbles.new.vkt
    QString infoFile() const;            // info/Info.vkt
    QString stiffnessConstants() const;  // info/StiffnessCons.vkt
    QString columnLayout(int deviceCode) const;  // info/LayoutM.vkt, LayoutC, LayoutZ, LayoutS
    QString headerLayout(int deviceCode) const;  // info/LayoutMhdr.vkt, ...
    QString imagesFolder() const;
    QString image(const QString &fileName) const;  // images/<fileName>
    QString graphImage() const;          // images/GraphImage.bmp
    QString helpFile() const;            // help/TELVAR.hlp
    QString capturesFolder() const;      // captures/

    // A path below the program folder, each part matched without regard to case.
    QString resolve(const QString &relativePath) const;

    // Creates info/ (and the program folder) when missing.
    bool ensureInfoFolder() const;

private:
    QString m_programFolder;
};

} // namespace valtrane
