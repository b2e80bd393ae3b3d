#include "db/DatabaseReplacement.h"

#include "common/FileSync.h"
#include "common/SettingsFile.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"
#include "support/HomeProjectState.h"
#include "support/ProjectTables.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

test::HomeProjectState makeLive(test::TempHome &home, int model)
{
    test::addTables(home.paths(), test::sampleProject(model));
    AppState state;
    state.DeviceCode = model;
    db::Table_Registry(home.paths(), state, 1, test::sampleTableList(model));
    return test::HomeProjectState::of(home);
}

// The steps of commit, each one the last a crash lets happen; Discarded: the replacement given up.
enum class Reached { Building, NewRegistryWritten, DatabaseRenamed, Committed, Discarded };

TEST(DatabaseReplacement, ARestartFindsTheOldPairOrTheNewPairWhereverTheReplacementStopped)
{
    const std::tuple<const char *, Reached, bool> cases[] = {
        {"while building", Reached::Building, false},           {"after writing the new registry", Reached::NewRegistryWritten, false},
        {"between the two renames", Reached::DatabaseRenamed, true}, {"after both renames", Reached::Committed, true},
        {"discarded", Reached::Discarded, false},
    };
    for (const auto &[name, reached, newPair] : cases) {
        SCOPED_TRACE(name);
        test::TempHome home, other;
        const auto old = makeLive(home, NG7700B);
        const auto fresh = makeLive(other, SG2150);
        const QString list = test::sampleTableList(SG2150);
        ASSERT_TRUE(QFile::copy(other.paths().database(), home.paths().newDatabase()));
        const bool registryWritten = reached == Reached::NewRegistryWritten || reached == Reached::DatabaseRenamed;
        ASSERT_TRUE(!registryWritten || SettingsFile::writeLines(home.paths().newTableRegistry(), db::registryLines(SG2150, list)));
        ASSERT_TRUE(reached != Reached::DatabaseRenamed || FileSync::replace(home.paths().newDatabase(), home.paths().database()));
        ASSERT_TRUE(reached != Reached::Committed || db::DatabaseReplacement::commit(home.paths(), SG2150, list));
        if (reached == Reached::Discarded)
            db::DatabaseReplacement::discard(home.paths());
        else
            db::DatabaseHold{home.paths()};  // the next start
        EXPECT_EQ(test::projectStateDifference(home, newPair ? fresh : old), "");
    }
}

} // namespace
