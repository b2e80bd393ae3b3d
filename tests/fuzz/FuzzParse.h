#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "parse/Parse.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>

namespace valtrane::fuzz {

using ParseCall = int (parse::Parse::*)(int);

struct FuzzHome {
    FuzzHome()
        : dir(QStringLiteral("/dev/shm/valtrane-fuzz-XXXXXX"))
        , paths(dir.isValid() ? dir.path() : fallback.path())
        , parse(paths, state)
    {
        paths.ensureInfoFolder();
    }

    int argc = 1;
    char name[8] = "fuzz";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir fallback;
    QTemporaryDir dir;
    AppPaths paths;
    AppState state;
    parse::Parse parse;
};

inline FuzzHome &home()
{
    static FuzzHome h;
    return h;
}

// One parse run over bytes: fed as the project reader passes them (codes 32 to 90, carriage
// return, the end byte), or, when raw, every byte as it is with 0xFF standing for an empty read.
// False when the parser gave a result outside results, or the run left a database that does not
// read to the end of every table or a table list naming a table that does not exist.
inline bool parseRunKeepsItsPromises(const AppPaths &paths, parse::Parse &parse, ParseCall call, const std::set<int> &results,
                                     bool nuclear, const std::uint8_t *data, std::size_t size, bool raw)
{
    if (parse.Initit(parse.retrn_message()) != 0)
        return false;
    for (std::size_t i = 0; i < size; ++i) {
        const int b = data[i];
        if (!raw && !((b >= 32 && b <= 90) || b == 13 || b == 253))
            continue;
        if (!results.count((parse.*call)(raw && b == 0xFF ? parse::NoChar : b)))
            return false;
    }
    const QString list = parse.retrn_message();
    parse.DeInit();

    db::Database database;
    if (!database.open(paths.database()))
        return false;
    {
        QSqlQuery check(database.connection());
        if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next() || check.value(0).toString() != QLatin1String("ok"))
            return false;
    }
    const QStringList tables = database.tableNames();
    for (const QString &table : tables) {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        if (!rs)
            return false;
        rs->moveLast();
    }
    for (const QString &name : tableListNames(list)) {
        if (!tables.contains(nuclear ? QLatin1Char('P') + Strip_Char(name, QLatin1Char('.')) : name))
            return false;
    }
    return true;
}

inline int run(ParseCall call, const std::set<int> &results, bool nuclear, const std::uint8_t *data, std::size_t size)
{
    FuzzHome &h = home();
    if (size == 0)
        return 0;
    if (!parseRunKeepsItsPromises(h.paths, h.parse, call, results, nuclear, data + 1, size - 1, data[0] & 1))
        std::abort();
    return 0;
}

} // namespace valtrane::fuzz
