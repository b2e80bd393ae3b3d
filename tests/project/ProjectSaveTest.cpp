#include "project/ProjectSave.h"

#include "db/Database.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;
using Outcome = project::ProjectSave::Outcome;

namespace {

class ProjectSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addTables(home.paths(), test::sampleProject(NG7700B));
        state.DeviceCode = NG7700B;
        state.Table_List = test::sampleTableList(NG7700B);
    }

    QByteArray saved(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    test::TempHome home;
    AppState state;
    db::Database connection;
    project::ProjectSave save{home.paths(), state};
    QString file = home.path() + QStringLiteral("/saved/projects.txt");
    QByteArray golden = saved(test::testDataPath(QStringLiteral("writeout/ng7700b.txt")));
};

TEST_F(ProjectSaveTest, SaveAllWritesEveryTableNamesTheFileAndReplacesAnExistingOneOnlyWhenAllowed)
{
    home.writeFile(QStringLiteral("saved/projects.txt"), "earlier save");
    EXPECT_EQ(save.saveAll(connection, file, false).outcome, Outcome::FileExists);
    EXPECT_EQ(saved(file), QByteArray("earlier save"));
    const auto result = save.saveAll(connection, file, true);
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_EQ(result.message, QStringLiteral("Project(s) Saved to ") + file + QStringLiteral("."));
    EXPECT_EQ(saved(file), golden);
    EXPECT_EQ(state.LastFolder, home.path() + QStringLiteral("/saved"));
}

TEST_F(ProjectSaveTest, SaveSelectedWritesTheTableOnScreenOrEveryTableWhenThereIsNone)
{
    home.writeFile(QStringLiteral("saved/.keep"), QByteArray());
    state.CurrentTable.clear();
    ASSERT_EQ(save.saveSelected(connection, file, false).outcome, Outcome::Saved);
    EXPECT_EQ(saved(file), golden);

    state.CurrentTable = QStringLiteral("8");
    ASSERT_EQ(save.saveSelected(connection, file, true).outcome, Outcome::Saved);
    const QByteArray one = saved(file);
    EXPECT_TRUE(one.contains("PROJECT ID: 8 "));
    EXPECT_FALSE(one.contains("PROJECT ID: 7.7 "));
    EXPECT_FALSE(one.contains("PROJECT ID: 9 "));
}

TEST_F(ProjectSaveTest, AFailedSaveKeepsTheGoodFileAndAnEmptyTableListSavesNothing)
{
    home.writeFile(QStringLiteral("saved/projects.txt"), "earlier save");
    state.Table_List = QStringLiteral("7.7 404 ");
    const auto result = save.saveAll(connection, file, true);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_TRUE(result.message.contains(QStringLiteral("P404"))) << result.message.toStdString();
    EXPECT_EQ(saved(file), QByteArray("earlier save"));

    state.Table_List.clear();
    const QString other = home.path() + QStringLiteral("/saved/other.txt");
    EXPECT_EQ(save.saveAll(connection, other, true).outcome, Outcome::NothingToSave);
    EXPECT_FALSE(QFile::exists(other));
}

} // namespace
