// Random and damaged streams through every parser: no crash, no hang, only the parser's own
// results, a database that stays readable, and a table list that names only tables that exist.
#include "ParseTestSupport.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "parse/SampleStreams.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <random>
#include <set>

using namespace valtrane;

namespace {

constexpr int Runs = 100;
constexpr int StreamsPerRun = 20;  // half random, half damaged realistic streams

struct Model {
    int deviceCode;
    test::ParseCall call;
    std::set<int> results;
    bool nuclear;
};

// A program folder in memory where there is one: thousands of streams mean many new database files.
std::unique_ptr<QTemporaryDir> memoryHome()
{
    if (QDir(QStringLiteral("/dev/shm")).exists()) {
        auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/valtrane-XXXXXX"));
        if (dir->isValid())
            return dir;
    }
    return std::make_unique<QTemporaryDir>();
}

class StreamMaker {
public:
    explicit StreamMaker(unsigned seed) : m_rng(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    // Mostly the characters the grammars react to, now and then any byte.
    QByteArray random()
    {
        static const QByteArray alphabet = "0123456789 ,:=.#\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ()/+-*";
        QByteArray out;
        const int length = below(400);
        for (int i = 0; i < length; ++i)
            out.append(below(10) == 0 ? char(below(256)) : alphabet[below(int(alphabet.size()))]);
        return out;
    }

    // A realistic stream cut, repeated, flipped or with bytes inserted, one to four times.
    QByteArray damaged(QByteArray stream)
    {
        for (int n = below(4); n >= 0 && !stream.isEmpty(); --n) {
            const int at = below(int(stream.size()));
            const int length = 1 + below(std::min<int>(200, int(stream.size()) - at));
            switch (below(4)) {
            case 0: stream = stream.mid(below(at + 1), at + length); break;
            case 1: stream.insert(at, stream.mid(at, length)); break;
            case 2:
                for (int i = 0; i < 1 + below(8); ++i)
                    stream[below(int(stream.size()))] = char(below(256));
                break;
            default: stream.insert(at, random().left(1 + below(20))); break;
            }
        }
        return stream;
    }

private:
    std::mt19937 m_rng;
};

QStringList listedTables(const QString &list, bool nuclear)
{
    QStringList tables;
    for (const QString &name : tableListNames(list))
        tables.append(nuclear ? QLatin1Char('P') + Strip_Char(name, QLatin1Char('.')) : name);
    return tables;
}

// Every table of the file reads to its end, and the file is sound.
::testing::AssertionResult databaseReadable(const AppPaths &paths, const QStringList &listed)
{
    db::Database database;
    if (!database.open(paths.database()))
        return ::testing::AssertionFailure() << "the database does not open";
    QSqlQuery check(database.connection());
    if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next() || check.value(0).toString() != QLatin1String("ok"))
        return ::testing::AssertionFailure() << "integrity check failed";
    check.finish();
    const QStringList tables = database.tableNames();
    for (const QString &table : tables) {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        if (!rs)
            return ::testing::AssertionFailure() << "table " << table.toStdString() << " does not open";
        rs->moveLast();
        rs->recordCount();
    }
    for (const QString &name : listed) {
        if (!tables.contains(name))
            return ::testing::AssertionFailure() << "listed table " << name.toStdString() << " does not exist";
    }
    return ::testing::AssertionSuccess();
}

void feedAsTheReaderDoes(parse::Parse &parse, test::ParseCall call, const QByteArray &bytes, const Model &model, bool raw)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!raw && !((b >= 32 && b <= 90) || b == 13 || b == 253))
            continue;
        const int result = (parse.*call)(raw && b == '\n' ? parse::NoChar : b);
        ASSERT_TRUE(model.results.count(result)) << "result " << result;
    }
}

} // namespace

TEST(ParserRobustness, RandomAndDamagedStreamsLeaveAReadableDatabaseAndATrueTableList)
{
    const std::vector<Model> models{
        {LD4800, &parse::Parse::Parse_LD4800, {0, 89}, false},
        {NG7700A, &parse::Parse::Parse_NG7700A, {0}, true},
        {NG7700B, &parse::Parse::Parse_NG7700B, {0, 89}, true},
        {SG2150, &parse::Parse::Parse_SG2150, {0, 9876}, false},
    };
    for (const Model &model : models) {
        SCOPED_TRACE(model.deviceCode);
        const auto home = memoryHome();
        AppPaths paths(home->path());
        paths.ensureInfoFolder();
        AppState state;
        parse::Parse parse(paths, state);
        StreamMaker maker(20240601u + unsigned(model.deviceCode));
        const QByteArray realistic = parse::sampleStream(model.deviceCode);
        for (int run = 0; run < Runs; ++run) {
            ASSERT_EQ(parse.Initit(parse.retrn_message()), 0);
            for (int i = 0; i < StreamsPerRun; ++i) {
                const QByteArray stream = i % 2 ? maker.damaged(realistic) : maker.random();
                // Now and then every byte as it comes, line feeds standing for empty reads.
                feedAsTheReaderDoes(parse, model.call, stream, model, maker.below(8) == 0);
                if (::testing::Test::HasFatalFailure())
                    return;
            }
            const QString list = parse.retrn_message();
            parse.DeInit();
            ASSERT_TRUE(databaseReadable(paths, listedTables(list, model.nuclear))) << "run " << run;
        }
    }
}
