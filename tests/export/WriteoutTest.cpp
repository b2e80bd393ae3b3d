#include "export/Writeout.h"

#include "db/Database.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WriteoutTest : public ::testing::Test {
protected:
    // Writes with a connection that is not open, as the save command of the CLI does.
    bool write(const QString &list, int model, const QString &single = QString())
    {
        db::Database connection;
        exporting::Writeout writer(home.paths());
        const bool ok = writer.writeout(connection, out, list, model, single, state);
        error = writer.errorText();
        return ok;
    }

    test::TempHome home;
    AppState state;
    QString out = home.path() + QStringLiteral("/project.txt");
    QString error;
};

// The expected files were laid out by hand, column by column; each has a note beside it that
// shows how.
struct Golden {
    const char *file;
    int model;
    bool commaVariant;
};

class WriteoutGolden : public WriteoutTest, public ::testing::WithParamInterface<Golden> {};

TEST_P(WriteoutGolden, WritesTheProjectByteForByteAsLaidOutByHand)
{
    const Golden g = GetParam();
    test::addTables(home.paths(), test::sampleProject(g.model));
    state.CsvReport = g.commaVariant;
    // The SG2150 list names RUN3 after RUN21: nothing after the summary-run table is read, so
    // its absence from the database does not matter.
    ASSERT_TRUE(write(test::sampleTableList(g.model), g.model)) << error.toStdString();
    EXPECT_EQ(readAll(out).toStdString(), readAll(test::testDataPath(QStringLiteral("writeout/") + g.file)).toStdString());
}

// ng7700a_comma.txt also shows that a project with asphalt records only (P13) has no soil section
// and keeps the column layout; the comma layout is the NG7700A's alone.
INSTANTIATE_TEST_SUITE_P(EveryGaugeModel, WriteoutGolden,
                         ::testing::Values(Golden{"ng7700a.txt", NG7700A, false}, Golden{"ng7700b.txt", NG7700B, false},
                                           Golden{"sg2150.txt", SG2150, false}, Golden{"ld4800.txt", LD4800, false},
                                           Golden{"ng7700a_comma.txt", NG7700A, true}, Golden{"ng7700b.txt", NG7700B, true}),
                         [](const auto &info) {
                             return QString::fromLatin1(info.param.file).section('.', 0, 0).toStdString()
                                    + (info.param.commaVariant && info.param.model != NG7700A ? "_comma" : "");
                         });

TEST_F(WriteoutTest, EmptyTableListWritesNothingEvenWithASingleTable)
{
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    ASSERT_TRUE(write(QString(), NG7700A, QStringLiteral("125")));
    EXPECT_FALSE(QFile::exists(out));

    home.writeFile(QStringLiteral("project.txt"), "kept");
    ASSERT_TRUE(write(QString(), NG7700A, QStringLiteral("125")));
    EXPECT_EQ(readAll(out), QByteArray("kept"));
}

TEST_F(WriteoutTest, SingleTableReplacesTheList)
{
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    ASSERT_TRUE(write(test::sampleTableList(NG7700A), NG7700A, QStringLiteral("13")));
    const QByteArray text = readAll(out);
    EXPECT_TRUE(text.startsWith(" 1 \r\n   \r\nCOMPACTION CONTROL DATA REPORT"));
    EXPECT_EQ(text.count("COMPACTION CONTROL DATA REPORT"), 1);
    EXPECT_TRUE(text.contains("02/01/04"));
    EXPECT_FALSE(text.contains("01/15/04"));
}

TEST_F(WriteoutTest, OpensTheDatabaseItselfAndClosesItUnlessAnExportIsInProgress)
{
    test::addTables(home.paths(), test::sampleProject(LD4800));
    db::Database connection;
    exporting::Writeout writer(home.paths());
    ASSERT_TRUE(writer.writeout(connection, out, QStringLiteral("MARSHALL1 "), LD4800, QString(), state));
    EXPECT_FALSE(connection.isOpen());

    state.ExportConfirmed = true;
    ASSERT_TRUE(writer.writeout(connection, out, QStringLiteral("MARSHALL1 "), LD4800, QString(), state));
    EXPECT_TRUE(connection.isOpen());
    EXPECT_EQ(connection.path(), QFileInfo(home.paths().database()).absoluteFilePath());
}

TEST_F(WriteoutTest, FailureLeavesTheOldFileInPlace)
{
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    home.writeFile(QStringLiteral("project.txt"), "a good old file");
    const struct {
        const char *list;
        int model;
    } failures[] = {
        {"12.5 99 ", NG7700A},      // no table P99
        {"12.5 ", NG7700B},         // an NG7700A table lacks the NG7700B fields
        {"12.5 ", 7},               // no such gauge model
    };
    for (const auto &f : failures) {
        EXPECT_FALSE(write(QString::fromLatin1(f.list), f.model)) << f.list;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readAll(out), QByteArray("a good old file")) << f.list;
    }
}

TEST_F(WriteoutTest, MissingDatabaseOrFolderIsAnError)
{
    EXPECT_FALSE(write(QStringLiteral("12.5 "), NG7700A));
    EXPECT_FALSE(QFile::exists(out));

    test::addTables(home.paths(), test::sampleProject(NG7700A));
    out = home.path() + QStringLiteral("/no/such/folder/project.txt");
    EXPECT_FALSE(write(QStringLiteral("12.5 "), NG7700A));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(WriteoutTest, LoggerTestWithoutReadingsKeepsItsPlace)
{
    test::addTables(home.paths(), {{"UC1", db::LoggerTestTable, {}, {}}});
    ASSERT_TRUE(write(QStringLiteral("UC1 "), LD4800));
    EXPECT_EQ(readAll(out), QByteArray(" 0 \r\nU.C. TEST\r\n\r\nRD #,     TIME,           ,            ,            ,               \r\nEND\r\n\r\n"));
}

TEST_F(WriteoutTest, EachLoggerTestIsTitledByTheTestItsTableNameBegins)
{
    const std::vector<std::pair<QString, QByteArray>> tests{
        {"CBR_LBR1", "CBR/LBR TEST"}, {"MARSHALL2", "MARSHALL TEST"},     {"UC3", "U.C. TEST"},
        {"TRIAXIAL4", "TRIAXIAL TEST"}, {"S_C_TEST5", "SOIL CEMENT TEST"}, {"DSHEARTEST6", "DIRECT SHEAR TEST"}};
    QString list;
    for (const auto &[table, title] : tests) {
        test::addTables(home.paths(), {{table, db::LoggerTestTable, {}, {}}});
        list += table + ' ';
    }
    ASSERT_TRUE(write(list, LD4800));
    // After the model line every test takes five lines: title, blank, heading, END, blank.
    const QList<QByteArray> lines = readAll(out).split('\n');
    ASSERT_EQ(lines.size(), 2 + 5 * qsizetype(tests.size()));
    for (size_t i = 0; i < tests.size(); ++i)
        EXPECT_EQ(lines[1 + 5 * qsizetype(i)], tests[i].second + '\r');
}

TEST_F(WriteoutTest, TableThatIsNoLoggerTestIsAnError)
{
    test::addTables(home.paths(), {{"TEST1", db::LoggerTestTable, {}, {}}});
    EXPECT_FALSE(write(QStringLiteral("TEST1 "), LD4800));
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
