#include "db/Database.h"
#include "stiffness/StiffnessRunData.h"
#include "support/CliRunner.h"
#include "support/TempHome.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

const QByteArray ConstantsFile = "MeasMs = 0.12\r\nAssmas = 0.8\r\nPoisra = 0.35\r\nDensit = 110\r\n"
                                 "Slopes = 0.25\r\nInterc = 0.5\r\nDensi2 = 1762\r\n";

class StiffnessCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(db::CreateDatabase(home.paths()).Create(), 0);
        db::Database database;
        ASSERT_TRUE(database.open(home.paths().database()));
        test::storeRun(home.paths(), database, "RUN3", test::runThreeRecords());
        QDir(home.path()).mkpath("out");
    }

    test::CliResult summarise(const QString &table) const
    {
        return test::runCli(home.path(), {"stiffness-summary", "--table", table, "--out", home.path() + "/out/DataStif.csv"});
    }
    QList<QByteArray> summaryLines() const { return home.readFile("out/DataStif.csv").split('\n'); }

    test::TempHome home;
};

TEST_F(StiffnessCommandsTest, SummaryWithoutConstantsSaysTheyAreZero)
{
    const auto zero = summarise("RUN3");
    ASSERT_EQ(zero.exitCode, 0) << zero.err.constData();
    EXPECT_TRUE(zero.err.contains("SG2150 Constants do not exist.  Do you want to setup constants now?") && zero.err.contains("all zero"));
    EXPECT_EQ(summaryLines()[5], "1,100,38.7,45.7,7.4,42440.6,73.5,10653.4,36.7,5326.7,0,NA,NA\r");
    EXPECT_FALSE(home.exists("info/StiffnessCons.vkt"));
}

TEST_F(StiffnessCommandsTest, SummaryOfARunUsesTheConstantsFile)
{
    home.writeFile("info/StiffnessCons.vkt", ConstantsFile);
    const auto r = summarise("RUN3");
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
    const QList<QByteArray> lines = summaryLines();
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[0], "RUN#:  3   MEAS:  11.25   DATE:  04/12/03   TIME:  10:15:00\r");
    EXPECT_EQ(lines[5], "1,100,38.7,45.7,7.7,44244.1,67.2,9745.7,24.9,3609.5,0.12,145.1,2324.0\r");
}

TEST_F(StiffnessCommandsTest, SummaryOfATableThatIsNoRunOrIntoAMissingFolderWritesNothing)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{"--table", "RUN8", "--out", home.path() + "/x.csv"}, "error: "},
        {{"--table", "run3", "--out", home.path() + "/missing/folder/x.csv"}, "error: there is no folder"},
    };
    for (const auto &[args, says] : cases) {
        const auto refused = test::runCli(home.path(), QStringList{"stiffness-summary"} + args);
        EXPECT_EQ(refused.exitCode, 1) << says;
        EXPECT_TRUE(refused.err.startsWith(says)) << refused.err.constData();
    }
    EXPECT_FALSE(home.exists("x.csv") || home.exists("missing"));
}

TEST_F(StiffnessCommandsTest, SummaryWithoutAnOutputFileIsAUsageError)
{
    EXPECT_EQ(test::runCli(home.path(), {"stiffness-summary", "--table", "RUN3"}).exitCode, 2);
}

TEST_F(StiffnessCommandsTest, ConstantsAreShownFromTheFile)
{
    home.writeFile("info/StiffnessCons.vkt", ConstantsFile);
    const auto shown = test::runCli(home.path(), {"constants"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.constData();
    EXPECT_TRUE(shown.out.startsWith("MeasMs = 0.12           Measured Moisture Content (% by weight/100)\n"));
    EXPECT_TRUE(shown.out.contains("Assmas = 0.8000") && shown.out.contains("Densi2 = 1762.0         Density, Po (kg/m^3)\n"));
}

TEST_F(StiffnessCommandsTest, ConstantsAreSetThroughTheFile)
{
    home.writeFile("info/StiffnessCons.vkt", ConstantsFile);
    const auto set = test::runCli(home.path(), {"constants", "--set", "measms=0.1234", "--set", "Densit=0"});
    ASSERT_EQ(set.exitCode, 0) << set.err.constData();
    EXPECT_TRUE(set.out.startsWith("MeasMs = 0.1234 "));
    const QByteArray stored = "MeasMs = 0.1234\r\nAssmas = 0.8000\r\nPoisra = 0.35\r\nDensit = 0\r\nSlopes = 0.2500\r\nInterc = 0.500\r\nDensi2 = 1762.0\r\n";
    EXPECT_EQ(home.readFile("info/StiffnessCons.vkt"), stored);
}

TEST_F(StiffnessCommandsTest, ASettingTheDialogRefusesSetsNoConstantAtAll)
{
    home.writeFile("info/StiffnessCons.vkt", ConstantsFile);
    // What the constants dialog refuses, and an empty value; with a good setting beside it, so
    // nothing at all may be saved.
    for (const char *bad : {"Moisture=1", "MeasMs", "MeasMs=", "MeasMs=abc", "MeasMs=-5", "MeasMs=-0.1", "MeasMs=nan", "MeasMs=1e400",
                            "MeasMs=1e-3", "MeasMs=1,5", "Poisra=0.51", "Poisra=99999999999999999999", "Densi2=5000.1"}) {
        const auto refused = test::runCli(home.path(), {"constants", "--set", "Assmas=9", "--set", bad});
        EXPECT_EQ(refused.exitCode, 2) << bad;
        EXPECT_TRUE(refused.out.isEmpty()) << bad;
        EXPECT_EQ(home.readFile("info/StiffnessCons.vkt"), ConstantsFile) << bad;
    }
    EXPECT_EQ(test::runCli(home.path(), {"constants", "--set", "Poisra=0.5"}).exitCode, 0);
}

} // namespace
