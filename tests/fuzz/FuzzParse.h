#pragma once

// What the libFuzzer targets share: one parse run per input in a program folder in memory, the
// input fed to one parser, and a check of what the run leaves behind. A broken promise aborts, so
// that libFuzzer keeps the input.
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "parse/Parse.h"

#include <QCoreApplication>
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

// The first byte chooses how the rest arrives: as the project reader passes it (codes 32 to 90,
// carriage return, the end byte), or every byte as it is with 0xFF standing for an empty read.
inline int run(ParseCall call, const std::set<int> &results, bool nuclear, const std::uint8_t *data, std::size_t size)
{
    FuzzHome &h = home();
    if (h.parse.Initit(h.parse.retrn_message()) != 0)
        std::abort();
    const bool raw = size > 0 && (data[0] & 1);
    for (std::size_t i = 1; i < size; ++i) {
        const int b = data[i];
        if (!raw && !((b >= 32 && b <= 90) || b == 13 || b == 253))
            continue;
        if (!results.count((h.parse.*call)(raw && b == 0xFF ? parse::NoChar : b)))
            std::abort();
    }
    const QString list = h.parse.retrn_message();
    h.parse.DeInit();

    db::Database database;
    if (!database.open(h.paths.database()))
        std::abort();
    const QStringList tables = database.tableNames();
    for (const QString &table : tables) {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        if (!rs)
            std::abort();
        rs->moveLast();
    }
    for (const QString &name : tableListNames(list)) {
        const QString table = nuclear ? QLatin1Char('P') + Strip_Char(name, QLatin1Char('.')) : name;
        if (!tables.contains(table))
            std::abort();
    }
    return 0;
}

} // namespace valtrane::fuzz
