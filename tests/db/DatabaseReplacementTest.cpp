// A new database and registry take the live pair's place whole; a crash at any step leaves the
// next holder of the database the old pair or the new pair.
#include "db/DatabaseReplacement.h"

#include "common/FileSync.h"
#include "common/SettingsFile.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"
#include "support/ProjectSnapshot.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

struct Pair {
    test::ProjectSnapshot rows;
    QByteArray registry;
};

// The home's live pair: the sample project of a model and its registry.
Pair makeLive(test::TempHome &home, int model)
{
    test::addTables(home.paths(), test::sampleProject(model));
    AppState state;
    state.DeviceCode = model;
    db::Table_Registry(home.paths(), state, 1, test::sampleTableList(model));
    return {test::ProjectSnapshot::of(home.paths()), home.readFile("info/DBTbles.vkt")};
}

Pair pairOf(test::TempHome &home)
{
    return {test::ProjectSnapshot::of(home.paths()), home.readFile("info/DBTbles.vkt")};
}

void expectPair(test::TempHome &home, const Pair &expected, const std::string &what)
{
    const Pair found = pairOf(home);
    EXPECT_EQ(test::ProjectSnapshot::difference(found.rows, expected.rows), "") << what;
    EXPECT_EQ(found.registry, expected.registry) << what;
    EXPECT_FALSE(home.exists("info/MIRVAT.new.vkd")) << what;
    EXPECT_FALSE(home.exists("info/DBTbles.new.vkt")) << what;
}

// The steps of commit, each one the last a crash lets happen.
enum class Reached { Building, NewRegistryWritten, DatabaseRenamed, Committed };

TEST(DatabaseReplacement, ARestartFindsTheOldPairOrTheNewPairWhereverTheReplacementStopped)
{
    const struct {
        const char *name;
        Reached reached;
        bool newPair;
    } cases[] = {
        {"while building", Reached::Building, false},
        {"after writing the new registry", Reached::NewRegistryWritten, false},
        {"between the two renames", Reached::DatabaseRenamed, true},
        {"after both renames", Reached::Committed, true},
    };
    for (const auto &c : cases) {
        test::TempHome home, other;
        const Pair old = makeLive(home, NG7700B);
        const Pair fresh = makeLive(other, SG2150);
        ASSERT_TRUE(QFile::copy(other.paths().database(), home.paths().newDatabase())) << c.name;
        if (c.reached != Reached::Building) {
            ASSERT_TRUE(SettingsFile::writeLines(home.paths().newTableRegistry(), db::registryLines(SG2150, test::sampleTableList(SG2150))));
        }
        if (c.reached == Reached::DatabaseRenamed) {
            ASSERT_TRUE(FileSync::replace(home.paths().newDatabase(), home.paths().database()));
        }
        if (c.reached == Reached::Committed) {
            QFile::remove(home.paths().newTableRegistry());
            ASSERT_TRUE(db::DatabaseReplacement::commit(home.paths(), SG2150, test::sampleTableList(SG2150)));
        }
        { const db::DatabaseHold restart(home.paths()); }
        expectPair(home, c.newPair ? fresh : old, c.name);
    }
}

TEST(DatabaseReplacement, DiscardLeavesTheLivePairAsItWas)
{
    test::TempHome home, other;
    const Pair old = makeLive(home, LD4800);
    makeLive(other, NG7700A);
    ASSERT_TRUE(QFile::copy(other.paths().database(), home.paths().newDatabase()));
    db::DatabaseReplacement::discard(home.paths());
    expectPair(home, old, "discarded");
}

} // namespace
