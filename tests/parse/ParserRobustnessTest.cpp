// Random and damaged streams through every parser: no crash, no hang, only the parser's own
// results, a database that stays readable, and a table list that names only tables that exist.
#include "fuzz/FuzzParse.h"
#include "parse/SampleStreams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace valtrane;

namespace {

constexpr int Runs = 25;
constexpr int StreamsPerRun = 20;  // half random, half damaged realistic streams

class StreamMaker {
public:
    explicit StreamMaker(unsigned seed) : m_rng(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QByteArray random()
    {
        static const QByteArray alphabet = "0123456789 ,:=.#\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ()/+-*";
        QByteArray out;
        for (int i = below(400); i > 0; --i)
            out.append(below(10) == 0 ? char(below(256)) : alphabet[below(int(alphabet.size()))]);
        return out;
    }

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

} // namespace

TEST(ParserRobustness, RandomAndDamagedStreamsLeaveAReadableDatabaseAndATrueTableList)
{
    const std::tuple<int, fuzz::ParseCall, std::set<int>, bool> models[] = {
        {LD4800, &parse::Parse::Parse_LD4800, {0, 89}, false},
        {NG7700A, &parse::Parse::Parse_NG7700A, {0}, true},
        {NG7700B, &parse::Parse::Parse_NG7700B, {0, 89}, true},
        {SG2150, &parse::Parse::Parse_SG2150, {0, 9876}, false},
    };
    for (const auto &[code, call, results, nuclear] : models) {
        SCOPED_TRACE(code);
        QTemporaryDir shm(QStringLiteral("/dev/shm/valtrane-XXXXXX")), tmp;
        AppPaths paths(shm.isValid() ? shm.path() : tmp.path());
        paths.ensureInfoFolder();
        AppState state;
        parse::Parse parse(paths, state);
        StreamMaker maker(20240601u + unsigned(code));
        const QByteArray realistic = parse::sampleStream(code);
        for (int run = 0; run < Runs; ++run) {
            QByteArray streams;
            for (int i = 0; i < StreamsPerRun; ++i)
                streams += i % 2 ? maker.damaged(realistic) : maker.random();
            const bool raw = maker.below(8) == 0;
            if (raw)
                streams.replace('\n', '\xFF');
            ASSERT_TRUE(fuzz::parseRunKeepsItsPromises(paths, parse, call, results, nuclear,
                                                       reinterpret_cast<const std::uint8_t *>(streams.constData()),
                                                       size_t(streams.size()), raw))
                << "run " << run;
        }
    }
}
