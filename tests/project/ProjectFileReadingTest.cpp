// Saved project files as they reach the program from elsewhere: other line endings, files that are
// no project of their model, files cut short, identifiers that clash. Whatever is refused leaves
// the database and the registry as they were.
#include "project/ProjectOpen.h"
#include "project/ProjectSave.h"

#include "db/Database.h"
#include "support/HomeProjectState.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

QByteArray withoutFirstLine(const QByteArray &bytes)
{
    return bytes.mid(bytes.indexOf('\n') + 1);
}

class ProjectFileReading : public ::testing::Test {
protected:
    project::ProjectOpenResult open(const QByteArray &bytes)
    {
        home.writeFile("project.txt", bytes);
        return project::ProjectOpen::open(home.paths(), state, home.path() + "/project.txt");
    }

    // A previous project, opened from the LD4800 sample, that refused files must leave alone.
    test::HomeProjectState previous()
    {
        EXPECT_TRUE(open(sample(LD4800)).opened);
        return test::HomeProjectState::of(home);
    }

    static QByteArray sample(int model) { return test::sampleProjectFile(model); }

    test::TempHome home;
    AppState state;
};

TEST_F(ProjectFileReading, LineFeedOrCarriageReturnAloneReadsAsTheGaugesLineEndsAndAFileCutShortSaysHowManyReadingsCame)
{
    for (int model : {LD4800, NG7700A, NG7700B, SG2150}) {
        const QByteArray crlf = sample(model);
        ASSERT_TRUE(open(crlf).opened) << model;
        const auto expected = test::HomeProjectState::of(home);
        ASSERT_FALSE(expected.rows.tables.empty()) << model;
        for (const char *ending : {"\n", "\r"}) {
            const std::string what = "model " + std::to_string(model) + (ending[0] == '\n' ? " LF" : " CR");
            const auto result = open(QByteArray(crlf).replace("\r\n", ending));
            ASSERT_TRUE(result.opened) << what << ": " << result.error.toStdString();
            EXPECT_TRUE(result.warning.isEmpty()) << what;
            EXPECT_EQ(test::projectStateDifference(home, expected), "") << what;
        }
        // Into one of the last lines, before its last separator.
        const auto cut = open(crlf.left(std::max(crlf.lastIndexOf(','), crlf.lastIndexOf(':')) - 2));
        ASSERT_TRUE(cut.opened) << model << ": " << cut.error.toStdString();
        qint64 rows = 0;
        for (const auto &[name, table] : test::ProjectSnapshot::of(home.paths()).tables)
            rows += qint64(table.size());
        EXPECT_GT(rows, 0) << model;
        EXPECT_TRUE(cut.warning.contains(QString::number(rows) + " readings were stored")) << model << ": " << cut.warning.toStdString();
        EXPECT_TRUE(cut.warning.contains("end of the file")) << model;
    }
}

TEST_F(ProjectFileReading, AFileThatIsNoProjectOfItsModelIsRefusedAndChangesNothing)
{
    const auto before = previous();
    for (int model : {LD4800, NG7700A, NG7700B, SG2150}) {
        const QByteArray codeLine = " " + QByteArray::number(model) + " \r\n";
        const struct {
            const char *name;
            QByteArray bytes;
        } cases[] = {
            {"letters only", codeLine + QByteArray(300000, 'A')},
            {"the model code alone", codeLine},
            {"another model's data", codeLine + withoutFirstLine(sample((model + 1) % 4))},
            // The model's own readings, behind more unreadable lines than a damaged copy has.
            {"binary lines", codeLine + QByteArray("\x01\x02\xfe\r\n").repeated(11) + withoutFirstLine(sample(model))},
        };
        for (const auto &c : cases) {
            const std::string what = "model " + std::to_string(model) + ", " + c.name;
            const auto result = open(c.bytes);
            EXPECT_FALSE(result.opened) << what;
            EXPECT_TRUE(result.error.contains("is not a saved project file")) << what << ": " << result.error.toStdString();
            EXPECT_EQ(test::projectStateDifference(home, before), "") << what;
        }
    }
}

TEST_F(ProjectFileReading, IdentifiersThatGiveOneTableNameAreRefusedRatherThanLosingAProject)
{
    const auto before = previous();
    const struct {
        int model;
        const char *from;
        const char *to;
        const char *table;
    } cases[] = {
        {NG7700A, "02/01/04     13", "02/01/04    125", "P125"},
        {NG7700B, "PROJECT ID: 8 ", "PROJECT ID: 77 ", "P77"},
    };
    for (const auto &c : cases) {
        const auto result = open(sample(c.model).replace(c.from, c.to));
        EXPECT_FALSE(result.opened) << c.table;
        EXPECT_TRUE(result.error.contains(c.table)) << result.error.toStdString();
        EXPECT_EQ(test::projectStateDifference(home, before), "") << c.table;
    }
}

TEST_F(ProjectFileReading, AnIdentifierWithADoubleQuoteSavesAndOpensAgain)
{
    const auto first = open(sample(NG7700B).replace("PROJECT ID: 8 ", "PROJECT ID: x\"; "));
    ASSERT_TRUE(first.opened) << first.error.toStdString();
    const auto opened = test::HomeProjectState::of(home);
    db::Database connection;
    const QString saved = home.path() + "/saved.txt";
    const auto result = project::ProjectSave(home.paths(), state).saveAll(connection, saved, true);
    ASSERT_EQ(result.outcome, project::ProjectSave::Outcome::Saved) << result.message.toStdString();
    connection.close();
    const auto again = project::ProjectOpen::open(home.paths(), state, saved);
    ASSERT_TRUE(again.opened) << again.error.toStdString();
    EXPECT_EQ(again.tableList, first.tableList);
    EXPECT_EQ(test::projectStateDifference(home, opened), "");
}

} // namespace
