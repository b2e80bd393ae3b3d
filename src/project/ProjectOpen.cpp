#include "project/ProjectOpen.h"

#include "common/StatusCode.h"
#include "db/CreateDatabase.h"
#include "db/DatabaseHold.h"
#include "db/DatabaseReplacement.h"
#include "export/GetTables.h"
#include "parse/Parse.h"
#include "report/InfoFile.h"

#include <QFile>
#include <algorithm>
#include <iterator>
#include <QFileInfo>

namespace valtrane::project {

namespace {

// A file with more unreadable lines than this is no saved project, whatever its parser made of
// the rest: a saved file holds none, and a few can only come from a copy damaged in places.
constexpr qint64 UnreadableLinesAllowed = 10;

// A logger or stiffness file begins, after its model code, with a test's title or a run's line, as
// the gauges and the program write them; their loose grammars would find readings in another
// model's report. The nuclear grammars key on their own labels and find none there.
bool beginsAsItsModel(const QString &fileName, std::int16_t modelCode)
{
    static const char *const LoggerTitles[] = {"CBR/LBR TEST",     "MARSHALL TEST",    "U.C. TEST", "TRIAXIAL TEST",
                                               "SOIL CEMENT TEST", "DIRECT SHEAR TEST"};
    static const char *const RunLine[] = {"Run#,"};
    if (modelCode != LD4800 && modelCode != SG2150)
        return true;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.read(4096).replace('\r', '\n').split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const auto starts = [&line](const char *first) { return line.startsWith(first); };
        return modelCode == LD4800 ? std::any_of(std::begin(LoggerTitles), std::end(LoggerTitles), starts)
                                   : std::any_of(std::begin(RunLine), std::end(RunLine), starts);
    }
    return false;
}

QString rootCaption(std::int32_t deviceCode, const QString &fileName)
{
    QString caption;
    switch (deviceCode) {
    case LD4800: caption = QStringLiteral("Tests ("); break;
    case SG2150: caption = QStringLiteral("Run Number ("); break;
    default: caption = QStringLiteral("Projects ("); break;
    }
    return caption + QFileInfo(fileName).fileName() + QLatin1Char(')');
}

ProjectOpenResult refused(const QString &error, std::int16_t status = 0)
{
    ProjectOpenResult result;
    result.error = error;
    result.status = status;
    return result;
}

// Reads the file into the new database beside the live one; the result says what came of it,
// and opened is set when the new database may take the live one's place.
ProjectOpenResult build(const AppPaths &paths, AppState &state, const QString &fileName, const QString &notAProject)
{
    parse::Parse parse(paths, state);
    parse.setDatabaseFile(paths.newDatabase());
    exporting::GetTables reader(parse);
    const QString list = reader.Get_tables(fileName, state.Table_List);
    parse.DeInit();
    if (parse.writeFailed())
        return refused(QStringLiteral("The project could not be opened: not all of it could be written to the disk "
                                      "(is the disk full?)."),
                       status::DatabaseNotCreated);
    // The file may have changed since it was looked at; the reader then started nothing.
    if (!reader.savedFile())
        return refused(notAProject);
    if (reader.initStatus() != status::Ok)
        return refused(QStringLiteral("The project could not be opened: %1.").arg(status::meaning(reader.initStatus())),
                       reader.initStatus());
    if (!parse.sharedTables().isEmpty())
        return refused(QStringLiteral("%1 holds projects whose identifiers differ only by a full stop; they would share the table(s) %2. "
                                      "Rename one of them in the file and open it again.")
                           .arg(QFileInfo(fileName).fileName(), parse.sharedTables().join(QStringLiteral(", "))));

    ProjectOpenResult result;
    result.modelCode = reader.modelCode();
    result.tableList = list;
    result.readings = db::CreateDatabase::rowsOf(paths.newDatabase(), list);
    if (result.readings == 0 || reader.unreadableLines() > UnreadableLinesAllowed)
        return refused(notAProject);
    if (reader.endMissing())
        result.warning = QStringLiteral("%1 ends in the middle of a line: %2 readings were stored, and the end of the file "
                                        "(its last reading) was missing.")
                             .arg(QFileInfo(fileName).fileName())
                             .arg(result.readings);
    result.opened = true;
    return result;
}

} // namespace

ProjectOpenResult ProjectOpen::open(const AppPaths &paths, AppState &state, const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return refused(missingFileMessage());
    const QString name = QFileInfo(fileName).fileName();
    const std::int16_t modelCode = exporting::GetTables::modelCodeOf(fileName);
    if (modelCode == exporting::GetTables::NotASavedFile)
        return refused(QStringLiteral("%1 is not a saved project file: its first line is not a gauge model code.").arg(name));
    const QString notAProject = QStringLiteral("%1 is not a saved project file of the gauge model on its first line: "
                                               "no readings could be read from it.")
                                    .arg(name);
    if (!beginsAsItsModel(fileName, modelCode))
        return refused(notAProject);

    // Another program working on the database would lose its tables under its feet.
    paths.ensureInfoFolder();
    db::DatabaseHold hold(paths);
    if (!hold.held())
        return refused(QStringLiteral("The database is in use by another program; close it and open the project again."),
                       status::DatabaseLocked);

    db::DatabaseReplacement::discard(paths);
    ProjectOpenResult result = build(paths, state, fileName, notAProject);
    if (result.opened && !db::DatabaseReplacement::commit(paths, result.modelCode, result.tableList)) {
        result = refused(QStringLiteral("The project could not be opened: the new database could not be put in place "
                                        "(is the disk full?)."),
                         status::DatabaseNotCreated);
    }
    if (!result.opened) {
        db::DatabaseReplacement::discard(paths);
        return result;
    }

    state.Table_List = result.tableList;
    state.DeviceCode = result.modelCode;
    state.TreeRootCaption = rootCaption(state.DeviceCode, fileName);
    report::InfoFile::write(paths, state);
    return result;
}

} // namespace valtrane::project
